#!/usr/bin/env bash
# The real binary laid out as after "make install" (bin/ beside
# share/tavrik-terminal/) finds its municipality table from any working
# directory; a table in the working directory still comes first. The
# installed table here is a small one of our own, so that a code from it
# cannot come from anywhere else.
set -u
binary=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$root/prefix/bin" "$root/prefix/share/tavrik-terminal" "$root/work"
cp "$binary" "$root/prefix/bin/tavrik-terminal"
printf 'ROMA\tZ123\n' > "$root/prefix/share/tavrik-terminal/risorsa.cf.txt"
cd "$root/work"
answers='f\nRossi\nMario\n1\n1\n1980\nM\nRoma\n'

printf "$answers" | "$root/prefix/bin/tavrik-terminal" > out1.txt
status=$?
[ $status -eq 0 ] || fail "exit status $status"
grep -qx 'Codice fiscale: RSSMRA80A01Z123I' out1.txt ||
  fail "installed table not used: $(grep -a 'Codice fiscale\|Errore' out1.txt)"

printf 'ROMA\tH501\n' > risorsa.cf.txt
printf "$answers" | "$root/prefix/bin/tavrik-terminal" > out2.txt
grep -qx 'Codice fiscale: RSSMRA80A01H501U' out2.txt ||
  fail "working-directory table not used: $(grep -a 'Codice fiscale\|Errore' out2.txt)"
echo "PASS"
