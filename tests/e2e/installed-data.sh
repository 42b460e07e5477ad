#!/usr/bin/env bash
# Laid out as after "make install" (bin/ beside share/tavrik-terminal/), the binary finds its
# municipality table, a small one of our own, from any working directory; one there comes first.
set -u
root=$(mktemp -d) && trap 'rm -rf "$root"' EXIT
mkdir -p "$root/bin" "$root/share/tavrik-terminal" "$root/work" && cd "$root/work"
cp "$1" "$root/bin/tavrik-terminal"
printf 'ROMA\tZ123\n' >"$root/share/tavrik-terminal/risorsa.cf.txt"
code() { printf 'f\nRossi\nMario\n1\n1\n1980\nM\nRoma\n' | "$root/bin/tavrik-terminal" | grep -a '^Codice'; }
[ "$(code)" = 'Codice fiscale: RSSMRA80A01Z123I' ] || { echo "FAIL: installed: $(code)"; exit 1; }
printf 'ROMA\tH501\n' >risorsa.cf.txt
[ "$(code)" = 'Codice fiscale: RSSMRA80A01H501U' ] && echo PASS || { echo "FAIL: $(code)"; exit 1; }
