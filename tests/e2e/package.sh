#!/usr/bin/env bash
# The Debian package as "make package" makes it, twice, from copies of the
# checkout in two folders at two times: both packages are the same to the
# byte; the program and its modules carry Debian's hardening; the package
# holds both manual pages and passes lintian with its pedantic tags, with no
# warning and no error. Skipped (77) for a sanitized build and without the
# package tools (scripts/install-deps package).
set -u
build=$(cd "$(dirname "$1")" && pwd)
source=$(cd "$(dirname "$0")/../.." && pwd)
fail() { echo "FAIL: $*"; exit 1; }
if grep -q '^TAVRIK_SANITIZE:BOOL=ON' "$build/CMakeCache.txt"; then echo "SKIP: sanitized build"; exit 77; fi
for tool in dpkg-buildpackage dh lintian hardening-check git; do
  command -v $tool >/dev/null || { echo "SKIP: $tool missing: scripts/install-deps package"; exit 77; }
done
[ -e "$source/.git" ] || { echo "SKIP: not a git checkout"; exit 77; }
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=tavrik-terminal_${version}_$(dpkg --print-architecture).deb

for folder in one two/deeper; do
  "$source/scripts/build-deb" "$root/$folder" >"$root/build.log" 2>&1 ||
    fail "dpkg-buildpackage in $folder: $(tail -n 20 "$root/build.log")"
  [ -f "$root/$folder/$deb" ] || fail "no $deb in $folder: $(ls "$root/$folder")"
  sha256sum "$root/$folder/$deb" | sed "s|$root/||"
done
cmp "$root/one/$deb" "$root/two/deeper/$deb" ||
  fail "two builds differ: $(diff <(dpkg-deb -c "$root/one/$deb") <(dpkg-deb -c "$root/two/deeper/$deb") | head)"

package=$root/one/$deb
[ "$(dpkg-deb -f "$package" Version)" = "$version" ] || fail "package version $(dpkg-deb -f "$package" Version)"
for dependency in libedit2 libstdc++6 libcairo2 zlib1g; do
  dpkg-deb -f "$package" Depends | grep -q "\b$dependency\b" || fail "Depends lacks $dependency: $(dpkg-deb -f "$package" Depends)"
done
listing=$(dpkg-deb -c "$package")
for file in ./usr/bin/tavrik-terminal ./usr/lib/tavrik-terminal/tavrik-chart-render.so \
    ./usr/lib/tavrik-terminal/tavrik-chart-pptx.so ./usr/share/tavrik-terminal/risorsa.cf.txt \
    ./usr/share/man/man1/tavrik-terminal.1.gz ./usr/share/man/it/man1/tavrik-terminal.1.gz \
    ./usr/share/doc/tavrik-terminal/copyright ./usr/share/doc/tavrik-terminal/changelog.gz; do
  grep -q " $file\$" <<<"$listing" || fail "package lacks $file"
done
# No maintainer script: nothing runs at installation.
control=$(dpkg-deb --ctrl-tarfile "$package" | tar -t)
! grep -qE 'postinst|postrm|preinst|prerm|triggers' <<<"$control" || fail "maintainer scripts: $control"

dpkg-deb -x "$package" "$root/tree"
# Fortify, stack protector, relro and bindnow as dpkg-buildflags gives them
# (Debian 12's adds no control-flow protection: not asked for).
for file in usr/bin/tavrik-terminal usr/lib/tavrik-terminal/tavrik-chart-render.so \
    usr/lib/tavrik-terminal/tavrik-chart-pptx.so; do
  hardening-check --nocfprotection "$root/tree/$file" >"$root/hardening" 2>&1 || fail "hardening-check: $(cat "$root/hardening")"
  sed 's/^/hardening-check: /' "$root/hardening"
done

lintian --pedantic --display-info "$package" >"$root/lintian" 2>&1
sed 's/^/lintian: /' "$root/lintian"
! grep -q '^[EW]: ' "$root/lintian" || fail "lintian reports errors or warnings"
echo PASS
