#!/usr/bin/env bash
# The program's options; the program installed with "cmake --install" and run
# from another directory finds its data (share/) and chart modules (lib/)
# from its own location; nothing built names the build or the source tree.
# Both manual pages list the exit statuses. (The Debian package: package.sh.)
set -u
binary=$1
build=$(cd "$(dirname "$binary")" && pwd)
source=$(cd "$(dirname "$0")/../.." && pwd)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"
# GCC writes the full path of a header into the checks the sanitizers add
# (-ffile-prefix-map does not reach them), and a sanitized build is never
# installed or packaged: its paths and its package are not checked.
sanitized=$(grep -c '^TAVRIK_SANITIZE:BOOL=ON' "$build/CMakeCache.txt")
cd "$root"

"$binary" --version >out 2>err; status=$?
[ $status -eq 0 ] && [ ! -s err ] || fail "--version: status $status, stderr '$(cat err)'"
[ "$(cat out)" = "tavrik-terminal $version" ] || fail "--version printed '$(cat out)'"
"$binary" -h >out 2>err; status=$?
[ $status -eq 0 ] && [ ! -s err ] || fail "-h: status $status, stderr '$(cat err)'"
for text in 'Uso: tavrik-terminal' English: function_history.txt color_data.txt risorsa.cf.txt grafico_ \
    'Scrivi solo quello che viene chiesto' 'Type only what is asked'; do
  grep -qF "$text" out || fail "--help does not mention '$text'"
done
"$binary" --help >help 2>err && cmp -s out help || fail "--help differs from -h"
for case in "--verbose:opzione non riconosciuta / unrecognised option '--verbose'" \
    "file.txt:argomento inatteso / unexpected argument 'file.txt'" "-:argomento inatteso / unexpected argument '-'"; do
  option=${case%%:*}
  "$binary" "$option" >out 2>err; status=$?
  [ $status -eq 2 ] || fail "$option: status $status, not 2"
  [ ! -s out ] && [ "$(wc -l <err)" -eq 1 ] && grep -qF -- "${case#*:}" err ||
    fail "$option: stdout '$(cat out)', stderr '$(cat err)'"
done
# Output that cannot be written: one line on standard error, status 1, with
# an option and after a session alike.
full="tavrik-terminal: errore di scrittura / write error: $(python3 -c 'import os, errno; print(os.strerror(errno.ENOSPC))')"
for run in "--version" "--help" "piped h"; do
  case $run in
    piped*) printf 'h\n' | "$binary" >/dev/full 2>err; status=$? ;;
    *) "$binary" "$run" >/dev/full 2>err; status=$? ;;
  esac
  [ $status -eq 1 ] && [ "$(cat err)" = "$full" ] || fail "$run >/dev/full: status $status, stderr '$(cat err)'"
done

cmake --install "$build" --prefix "$root/prefix" >install.log || fail "cmake --install: $(cat install.log)"
installed=$root/prefix/bin/tavrik-terminal
modules=$root/prefix/lib/tavrik-terminal
# English in man1, Italian in it/man1; each lists every exit status.
for page in "EXIT STATUS:prefix/share/man/man1" "STATO D'USCITA:prefix/share/man/it/man1"; do
  zcat "${page#*:}/tavrik-terminal.1.gz" >page.1 || fail "${page#*:}: not gzip"
  statuses=$(sed -n "/^\.SH ${page%%:*}/,/^\.SH /p" page.1 | grep -o '^\.B[R]* [0-9][0-9, "]*' | grep -o '[0-9]\+' | sort -n | tr '\n' ' ')
  [ "$statuses" = "0 1 2 129 130 131 143 " ] || fail "${page#*:}: exit statuses '$statuses'"
done
grep -q '^\.SH NOME' page.1 && zcat prefix/share/man/man1/tavrik-terminal.1.gz | grep -q '^\.SH NAME' ||
  fail "man1 is not the English page or it/man1 not the Italian one"
for file in "$binary" "$installed" "$modules"/*.so; do
  [ "$sanitized" -eq 0 ] || break
  if strings -a "$file" | grep -qF -e "$build" -e "$source"; then
    fail "$file holds a path of the build or source tree: $(strings -a "$file" | grep -F -e "$build" -e "$source" | head -3)"
  fi
done

mkdir work && cd work
"$installed" --help | grep -qxF "Dati installati / installed data: $root/prefix/share/tavrik-terminal" ||
  fail "installed program: data not found in prefix/share: $("$installed" --help | grep 'Dati')"
printf 'f\nRossi\nMario\n1\n1\n1980\nM\nRoma\n' | "$installed" >out 2>err; status=$?
[ $status -eq 0 ] && [ ! -s err ] || fail "'f': status $status, stderr '$(cat err)'"
grep -qx 'Codice fiscale: RSSMRA80A01H501U' out || fail "'f' without the installed table: $(grep -a 'Codice\|Errore' out)"
# A table in the working directory comes before the installed one.
printf 'ROMA\tZ123\n' >risorsa.cf.txt
printf 'f\nRossi\nMario\n1\n1\n1980\nM\nRoma\n' | "$installed" | grep -qx 'Codice fiscale: RSSMRA80A01Z123I' ||
  fail "'f' did not take the working directory's table first"
printf '5\nVendite\nMese\nEuro\n120\nGennaio\n-1\ny\n.png\n' | LD_DEBUG=files "$installed" >out 2>debug
grep -q '^Grafico salvato' out || fail "'5' made no chart: $(tail -n 3 out)"
[ "$(head -c 4 grafico_*.png | tail -c 3)" = PNG ] || fail "no PNG chart in the working directory"
loaded=$(sed -n 's/.*file=\([^ ]*tavrik-chart-render\.so\).*/\1/p' debug | sort -u)
[ "$(readlink -f "$loaded")" = "$(readlink -f "$modules/tavrik-chart-render.so")" ] || fail "chart module loaded from '$loaded'"
cd "$root"

[ "$sanitized" -eq 0 ] && echo PASS || echo "PASS (sanitized build: paths not checked)"
