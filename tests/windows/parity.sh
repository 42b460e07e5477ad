#!/usr/bin/env bash
# The Windows .exe under Wine against the Linux program on the same piped
# sessions, one per command family: the same output (CRLF read as LF) and
# the same files. Also what only the .exe can show: its import table holds
# Windows' own libraries alone, a 256 MiB file goes through the cipher and
# back, and a chart is saved with nothing else left behind.
# usage: parity.sh WINDOWS_EXE LINUX_PROGRAM
set -u
exe=$(realpath "$1") linux=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
wine_run=$here/../../scripts/wine-run
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
[ -x "$linux" ] || { echo "no Linux program at $linux (make build)"; exit 1; }

# Runs one session with both programs, each in a directory of its own that
# starts with the files in $work/given.
compare() {
  local name=$1 input=$2
  for side in linux windows; do
    rm -rf "$work/$side" && mkdir -p "$work/$side" && cp -r "$work/given/." "$work/$side/"
  done
  (cd "$work/linux" && printf "$input" | timeout 60 "$linux" >../linux.out 2>../linux.err)
  local linux_status=$?
  (cd "$work/windows" && printf "$input" | timeout 120 "$wine_run" "$exe" >../windows.raw 2>../windows.err)
  local windows_status=$?
  [ "$linux_status" = "$windows_status" ] || fail "$name: exit status $windows_status, Linux $linux_status"
  # The same bytes, but every line end of the .exe is CRLF.
  perl -pe 's/\n/\r\n/' "$work/linux.out" | cmp -s - "$work/windows.raw" || {
    fail "$name: output differs"
    tr -d '\r' <"$work/windows.raw" | diff -u "$work/linux.out" - | head -40
  }
  [ ! -s "$work/windows.err" ] || { fail "$name: .exe wrote to standard error"; head -5 "$work/windows.err"; }
  diff -r "$work/linux" "$work/windows" >"$work/diff" || { fail "$name: files differ"; head -20 "$work/diff"; }
}

mkdir -p "$work/given"
compare shell '#\nh\nk\n@\nv\ni\n1\n1\nblu\ngiallo\ni\n3\n\nX\nx\n'
compare calculator 's\n3 10 3 2\nm\n2.5 4\nd\n7 2 1\np\n2 -3\nr\n27 3\nz\n30\nu\n60\nt\n-270\nq\n2\n1 2\na\n1\n5 a\n2 1\ne\n2 -(2+3)/.5\ne\n1 3 + -4\nc\n1 -255 16\nc\n2 -Zz 36\nw\nF 30 60 165\n1\n2x - 3y = 5\n2\n1 2 1\n3\n2x+3y=5\n1x-1y=0\nx\n'
compare chemistry 'o\nH2O\no\nNaCl2147483648\n4\nH\nCl\n4\nFe\nXx\nx\n'
compare tax-code 'f\nRossi\nMario\n1\n1\n1980\nM\nRoma\nf\nD’Annunzio\nGabriele\n12\n3\n1863\nM\nForlì\nx\n'
compare windows-line-ends 'm\r\n2,5\r\n4\r\nf\r\nBianchi\r\nLucia\r\n5\r\n6\r\n1990\r\nF\r\nMilano\r\nx\r\n'
head -c 100000 /dev/urandom >"$work/given/dati.bin"
compare cipher 'n\n1\ndati.bin\ndati.cif\nChiave\nn\n2\ndati.cif\ndati.out\nChiave\nn\n1\nnessuno.txt\nout.txt\n123\nx\n'
cmp -s "$work/given/dati.bin" "$work/windows/dati.out" || fail "cipher: the round trip changed the file"
rm -f "$work/given/dati.bin"

# Only Windows' own libraries; GDI+ only in the chart DLL, so that the
# program does not load it before the first chart.
for file in "$exe" "$(dirname "$exe")"/tavrik-chart-*.dll; do
  imports=$(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
  for dll in $imports; do
    case "$dll" in
      kernel32.dll|user32.dll|advapi32.dll|shell32.dll|ws2_32.dll|bcrypt.dll|msvcrt.dll|gdi32.dll|ole32.dll) ;;
      gdiplus.dll) [ "$file" != "$exe" ] || fail "the .exe imports $dll" ;;
      *) fail "$(basename "$file") imports $dll" ;;
    esac
  done
  echo "$(basename "$file") imports: $(echo $imports)"
done

# Nothing is taken from the folder above the .exe (Downloads, say): with
# the chart DLLs and the data planted there, the .exe alone in its folder
# finds neither. With the DLLs beside the .exe, as shipped, and a file named
# like a system library (gdiplus.dll) there too, Windows' own is loaded: the
# PNG is drawn. (The table beside the .exe: the tax-code session above.)
planted=$work/planted
mkdir -p "$planted/Tavrik Terminal" "$planted/data" "$planted/lavoro"
cp "$exe" "$planted/Tavrik Terminal/"
cp "$(dirname "$exe")"/tavrik-chart-*.dll "$planted/"
cp "$here/../../data/risorsa.cf.txt" "$planted/data/"
session='f\nRossi\nMario\n1\n1\n1980\nM\nRoma\n5\nT\nX\nY\n3\nA\n-1\nn\n.pptx\nx\n'
(cd "$planted/lavoro" && printf "$session" |
  timeout 120 "$wine_run" "../Tavrik Terminal/$(basename "$exe")" >../out.txt 2>&1)
grep -q 'Errore caricare risorse' "$planted/out.txt" || fail "planted: data taken from the folder above the .exe"
ls "$planted/lavoro"/grafico_* >/dev/null 2>&1 && fail "planted: a chart DLL loaded from the folder above the .exe"
rm -rf "$planted/lavoro"/* && cp "$(dirname "$exe")"/tavrik-chart-*.dll "$planted/Tavrik Terminal/"
echo 'not a library' >"$planted/Tavrik Terminal/gdiplus.dll"
(cd "$planted/lavoro" && printf '5\nT\nX\nY\n3\nA\n-1\nn\n.png\nx\n' |
  timeout 120 "$wine_run" "../Tavrik Terminal/$(basename "$exe")" >../out.txt 2>&1)
ls "$planted/lavoro"/grafico_*.png >/dev/null 2>&1 || fail "planted: no PNG with a gdiplus.dll beside the .exe"

# A chart is saved, said so, and nothing else is left behind.
rm -rf "$work/chart" && mkdir "$work/chart"
(cd "$work/chart" && printf '5\nVendite\nMese\nEuro\n5\nGiù\n7\nSù\n-7\ny\n.png\nx\n' |
  timeout 120 "$wine_run" "$exe" >../chart.out 2>&1)
grep -q '^Grafico salvato' "$work/chart.out" || fail "chart: not saved"
[ "$(cd "$work/chart" && ls -A | grep -v '^function_history.txt$' | grep -c '^grafico_[A-Za-z0-9]\{12\}\.png$')" = 1 ] &&
  [ "$(ls -A "$work/chart" | wc -l)" = 2 ] || fail "chart: left $(ls -A "$work/chart")"

# 256 MiB through the cipher and back under Wine.
mkdir "$work/big" && head -c $((256 << 20)) /dev/urandom >"$work/big/grande.bin"
start=$(date +%s%N)
(cd "$work/big" && printf 'n\n1\ngrande.bin\ngrande.cif\nchiave\nn\n2\ngrande.cif\ngrande.out\nchiave\nx\n' |
  timeout 600 "$wine_run" "$exe" >../big.out 2>&1)
cmp -s "$work/big/grande.bin" "$work/big/grande.out" || fail "256 MiB: the round trip changed the file"
cmp -s "$work/big/grande.bin" "$work/big/grande.cif" && fail "256 MiB: the cipher left the file as it was"
echo "256 MiB round trip under Wine: $(( ($(date +%s%N) - start) / 1000000 )) ms"
[ "$(ls -A "$work/big" | sort | tr '\n' ' ')" = "function_history.txt grande.bin grande.cif grande.out " ] ||
  fail "256 MiB: left $(ls -A "$work/big")"

[ "$failures" = 0 ] && echo PASS
exit $((failures > 0))
