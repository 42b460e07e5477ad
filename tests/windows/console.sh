#!/usr/bin/env bash
# The .exe at a console (Wine's, in a tmux pane): what is typed is read as
# UTF-8 whatever the console's code page ("Forlì" gives the code of Forlì),
# the pause waits for a key, the cipher's key is not shown (its line break
# is) and ciphers as typed, and Ctrl-C ends the program with the status of
# an interrupted Windows console program (0xC000013A; its low byte, 58).
# usage: console.sh WINDOWS_EXE
set -u
exe=$(realpath "$1")
wine_run=$(realpath "$(dirname "$0")/../../scripts/wine-run")
command -v tmux >/dev/null || { echo "no tmux"; exit 77; }
work=$(mktemp -d) session=tavrik-win
tmux=(tmux -S "$work/tmux" -f /dev/null)  # a server of its own, which no other run shares
trap '"${tmux[@]}" kill-server 2>/dev/null; rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
start() {
  rm -f "$work/status"
  "${tmux[@]}" kill-session -t "$session" 2>/dev/null
  # The pane's shell does not inherit this environment: the Wine prefix is passed on.
  "${tmux[@]}" new-session -d -s "$session" -x 150 -y 50 -c "$work" \
    "WINEPREFIX='${WINEPREFIX:-}' '$wine_run' '$exe'; echo \$? >'$work/status'; sleep 60"
}
waitFor() {  # text on the screen (trailing blanks aside, as the pane keeps none), within 60 s
  for _ in $(seq 600); do
    "${tmux[@]}" capture-pane -t "$session" -p -S -200 | grep -qF -- "${1% }" && return 0
    sleep 0.1
  done
  fail "never shown: $1"; "${tmux[@]}" capture-pane -t "$session" -p | tail -8; return 1
}
waitStatus() {
  for _ in $(seq 300); do [ -s "$work/status" ] && break; sleep 0.1; done
  [ "$(cat "$work/status" 2>/dev/null)" = "$1" ] || fail "status $(cat "$work/status" 2>/dev/null), expected $1"
}
type() { waitFor "$1" && "${tmux[@]}" send-keys -t "$session" -l "$2" && "${tmux[@]}" send-keys -t "$session" Enter; }

start
type 'Path: ' f; type 'Cognome: ' Rossi; type 'Nome: ' Mario; type '(gg): ' 1; type '(mm): ' 1
type '(aaaa): ' 1980; type '(M/F): ' M; type 'Comune di nascita: ' 'Forlì'
waitFor 'Codice fiscale: RSSMRA80A01D704D'
type 'Path: ' x; waitFor 'Premere un tasto per continuare'
sleep 0.5; [ -s "$work/status" ] && fail "the pause did not wait for a key"
"${tmux[@]}" send-keys -t "$session" q; waitStatus 0
start
printf 'Ciao\n' >"$work/chiaro.txt"
type 'Path: ' n; type 'Decifrare un file' 1; type 'file di input: ' chiaro.txt
type 'output cifrato: ' cifrato.bin; type 'chiave di cifratura: ' Segreta
waitFor 'File processato correttamente.'
"${tmux[@]}" capture-pane -t "$session" -p -S -200 | grep -qF Segreta && fail "the key was shown"
[ "$("${tmux[@]}" capture-pane -t "$session" -p -S -200 | grep -A3 -x 'Inserisci la chiave di cifratura: *')" = \
  $'Inserisci la chiave di cifratura:\n\n\nFile processato correttamente.' ] || fail "lines after the key"
[ "$(od -An -tx1 "$work/cifrato.bin" | tr -d ' \n')" = "$(python3 -c 'print(bytes(
  b ^ b"Segreta"[i % 7] for i, b in enumerate(b"Ciao\n")).hex())')" ] || fail "not ciphered with the key"
start
type 'Path: ' a; waitFor 'utilizzare: '
"${tmux[@]}" send-keys -t "$session" C-c; waitStatus 58
[ "$failures" = 0 ] && echo PASS
exit $((failures > 0))
