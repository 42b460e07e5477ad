#!/usr/bin/env bash
# The real binary with piped input: its output is the program's text alone (no escape sequence,
# even with a saved theme), its files land in the working directory, every way out is status 0.
set -u
binary=$1
cd "$(mktemp -d)" && trap 'rm -rf "$PWD"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
run() {
  printf "$1" | timeout 60 "$binary" >out.txt 2>err.txt || fail "exit status $? for $1"
  [ ! -s err.txt ] && ! LC_ALL=C grep -q $'\x1b' out.txt || fail "error or escape sequence for $1"
}
run '#\ni\n1\n1\nblu\ngiallo\nx\n'
list=$(sed -n '/^Comandi:$/,/^Creazione grafici = 5$/{p;/^Crea/q}' out.txt)  # "name = key" each
[ "$(sed -n 3p <<<"$list")" = "riavvia = l" ] && [ "$(grep -vc ' = .$' <<<"$list")" = 2 ] ||
  fail "command list: $list"
[ "$(cat color_data.txt)" = "color 9e" ] || fail "theme file holds '$(cat color_data.txt)'"
tail -n 1 out.txt | grep -qx 'Premere un tasto per continuare . . .' || fail "no pause message"
run 'k\ni\n1\nabc'  # the saved theme again; a non-number as the last thing read
grep -qx 'Errore riprova' out.txt || fail "no retry message"
[ "$(cat function_history.txt)" = "$(printf '#\ni\nx\nk\ni')" ] || fail "history: $(cat function_history.txt)"
run 'l\n'  # restart without a terminal: nowhere to show a new instance, so the error and the prompt
[ "$(grep -A1 -x 'Riavviando...' out.txt)" = "$(printf 'Riavviando...\nErrore: impossibile riavviare il programma.')" ] &&
  tail -n 1 out.txt | grep -qx 'Path: ' && echo PASS || fail "no restart error: $(tail -n 4 out.txt)"
