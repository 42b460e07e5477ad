#!/usr/bin/env bash
# The real binary with piped input: its output holds the program's text
# alone (no escape sequence even with a saved theme), files land in the
# working directory, and every way out ends with status 0.
set -u
binary=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }

printf 'h\ni\n1\n1\nblu\ngiallo\n@\nv\nx\n' | "$binary" >out1.txt 2>err1.txt
status=$?
[ $status -eq 0 ] || fail "exit status $status after x"
[ ! -s err1.txt ] || fail "unexpected standard error: $(cat err1.txt)"
[ "$(cat color_data.txt)" = "color 9e" ] || fail "theme file holds '$(cat color_data.txt)'"
head -n 1 out1.txt | grep -qx 'Tavrik Terminal' || fail "banner missing"
tail -c 38 out1.txt | grep -q 'Premere un tasto per continuare . . .' || fail "pause message missing"
grep -q "^Cronologia delle funzioni: $" out1.txt || fail "history view missing"

# A second run applies the saved theme: still no escape sequence when piped.
printf 'k\n' | "$binary" >out2.txt
status=$?
[ $status -eq 0 ] || fail "exit status $status at end of input"
for f in out1.txt out2.txt; do
  if LC_ALL=C grep -q $'\x1b' "$f"; then fail "escape sequence in $f"; fi
done
[ "$(printf 'h\ni\n@\nx\nk\n')" = "$(cat function_history.txt)" ] ||
  fail "history file: $(cat function_history.txt)"

# Restart without a terminal just ends.
printf 'l\n' | "$binary" >out3.txt
status=$?
[ $status -eq 0 ] || fail "exit status $status after l"
tail -n 1 out3.txt | grep -qx 'Riavviando...' || fail "restart line missing"

# A non-number then end of input: one refusal, then status 0.
printf 'i\n1\nabc' | timeout 5 "$binary" >out4.txt
status=$?
[ $status -eq 0 ] || fail "exit status $status after a non-number and end of input"
grep -q '^Errore riprova$' out4.txt || fail "no retry message"
echo "ok"
