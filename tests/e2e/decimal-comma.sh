#!/usr/bin/env bash
# The decimal comma, on the real binary: every question that asks for one
# decimal number on its own takes "2,5" as "2.5" (the whole session's output
# is the same); written equations and expressions take the point only.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
cd "$(mktemp -d)" && trap 'rm -rf "$PWD"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
run() { printf "$1" | timeout 60 "$binary" 2>&1 | sed 's/grafico_[A-Za-z0-9]*/grafico_N/g'; }
# Sessions written with "," where each decimal number goes; run again with ".".
for session in 'm\n2,5\n4\n' 'z\n30,5\n' 'u\n60,5\n' 't\n45,5\n' 'w\nM\n30\n70,5\n175,5\n' \
    '2\n1\n-2,5\n1,5\n' '5\nT\nX\nY\n120,5\nGen\n-1\nno\n.pdf\n'; do
  comma=$(run "$session")
  dot=$(run "${session//,/.}")
  [ "$comma" = "$dot" ] || fail "'$session' differs with a comma: $(diff <(echo "$comma") <(echo "$dot") | head -5)"
  grep -q 'Errore riprova' <<<"$comma" && fail "'$session' refused"
  grep -qE '(Risultato: [0-9]|Massa grassa: [0-9]|Le soluzioni|Grafico salvato)' <<<"$comma" ||
    fail "'$session' gave no result: $(tail -n 3 <<<"$comma")"
done
for case in '3\n2,5x+3y=5\n1x-1y=0\n|Errore: equazione non valida' 'e\n2\n2,5*2\n|Errore: espressione non valida.'; do
  session=${case%|*} refusal=${case#*|}
  run "$session" | grep -qF "$refusal" || fail "'$session' took the comma"
  run "${session//,/.}" | grep -qF "$refusal" && fail "'$session' refused the point too"
done
echo PASS
