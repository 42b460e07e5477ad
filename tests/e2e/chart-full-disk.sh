#!/usr/bin/env bash
# A chart on a full disk, in every format: the real binary says it could not
# save it and leaves no file behind, under no name; with room again, the same
# chart is saved. The disk is a 64 KiB tmpfs, which only root can mount.
set -u
binary=$(realpath "$1")
disk=$(mktemp -d) && out=$(mktemp)
mount -t tmpfs -o size=64k tmpfs "$disk" 2>/dev/null || { rmdir "$disk"; rm "$out"; echo "SKIP: cannot mount a tmpfs here (needs root)"; exit 77; }
trap 'cd /; umount "$disk"; rmdir "$disk"; rm -f "$out"' EXIT
cd "$disk" || exit 1
fail() { echo "FAIL: $*"; exit 1; }
chart() {  # a chart of the largest values that the 6 KB PDF and every other format exceed
  printf '5\nT\nX\nY\n1.5e308\na\n-0.9\nb\n-1\nno\n%s\nx\n\n' "$1" | timeout 60 "$binary" >"$out" 2>&1
}
# The history file has its page already; the rest is filled but for one 4 KiB page.
printf '%4000s' '' >function_history.txt
dd if=/dev/zero of=filler bs=4k 2>/dev/null
truncate -s -4096 filler
for extension in .png .jpg .pdf .pptx; do
  chart "$extension"
  grep -qx 'Errore: impossibile salvare il grafico.' "$out" || fail "$extension on a full disk: $(tail -n 3 "$out")"
  ! grep -qiw 'error' "$out" || fail "$extension: a library wrote $(grep -iw error "$out")"
  leftover=$(ls -A | grep -vxE 'filler|function_history.txt')
  [ -z "$leftover" ] || fail "$extension left $leftover"
done
rm filler
for extension in .png .jpg .pdf .pptx; do
  chart "$extension"
  grep -q "^Grafico salvato in grafico_.*$extension\$" "$out" || fail "$extension with room: $(tail -n 3 "$out")"
done
echo PASS
