#!/usr/bin/env bash
# The .exe's resources, read back with windres: the version information
# (product name, file and product version = the program's version,
# copyright), the icon, and the manifest (UTF-8 code page, long paths,
# Windows 10/11, asInvoker). The zip CPack makes: its files, the licence and
# the notices for what the .exe and DLLs carry, with Windows line ends.
set -u
exe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
build=$(cd "$(dirname "$exe")" && pwd)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"

x86_64-w64-mingw32-windres -i "$exe" -O rc >"$root/resources.rc" || fail "windres cannot read $exe"
for value in "\"ProductName\", \"Tavrik Terminal\"" "\"FileVersion\", \"$version\"" \
    "\"ProductVersion\", \"$version\"" "\"LegalCopyright\", \"Copyright (c) 2026 The Tavrik Terminal authors" \
    "FILEVERSION ${version//./, }, 0" "/* RT_ICON */" "/* RT_GROUP_ICON */"; do
  grep -qF "$value" "$root/resources.rc" || fail "resources lack $value: $(grep -v '^  0x' "$root/resources.rc" | head -40)"
done
# The manifest as the loader reads it: resource 1 of type 24, well-formed XML.
python3 - "$root/resources.rc" >"$root/manifest.xml" <<'PY' || fail "no manifest resource"
import re, sys
text = open(sys.argv[1], encoding="utf-8").read()
block = re.search(r'^1 24 /\* RT_MANIFEST \*/\nBEGIN\n(.*?)^END', text, re.S | re.M)
sys.exit(1) if not block else print("".join(
    s.replace('""', '"').replace("\\n", "\n") for s in re.findall(r'^\s*"(.*)"$', block.group(1), re.M)), end="")
PY
xmllint --noout "$root/manifest.xml" || fail "manifest is not well-formed XML"
for text in '>UTF-8</activeCodePage>' '>true</longPathAware>' 'supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"' \
    'requestedExecutionLevel level="asInvoker"'; do
  grep -qF "$text" "$root/manifest.xml" || fail "manifest lacks $text: $(cat "$root/manifest.xml")"
done

cpack --config "$build/CPackConfig.cmake" -B "$root/zip" >"$root/cpack.log" 2>&1 || fail "cpack: $(tail "$root/cpack.log")"
folder=tavrik-terminal-$version-windows-x86_64
zip=$root/zip/$folder.zip
[ -f "$zip" ] || fail "no $folder.zip: $(ls "$root/zip")"
listed=$(unzip -Z1 "$zip" | grep -v '/$' | sort | tr '\n' ' ')
expected="$folder/LICENSE.txt $folder/NOTICES.txt $folder/README.txt $folder/risorsa.cf.FONTI.txt $folder/risorsa.cf.txt \
$folder/tavrik-chart-pptx.dll $folder/tavrik-chart-render.dll $folder/tavrik-terminal.exe "
[ "$listed" = "$expected" ] || fail "zip holds: $listed"
unzip -q "$zip" -d "$root/unzipped" && cd "$root/unzipped/$folder" || fail "unzip"
cmp -s tavrik-terminal.exe "$exe" || fail "the zip's .exe is not the one built"
grep -q $'^Copyright (c) 2026 The Tavrik Terminal authors\r$' LICENSE.txt && grep -q $'^MIT License\r$' LICENSE.txt ||
  fail "LICENSE.txt: $(head -3 LICENSE.txt)"
for text in 'GCC RUNTIME LIBRARY EXCEPTION' 'winpthreads' 'License: Zlib' 'Jean-loup Gailly and Mark Adler' \
    'License: CC-BY-4.0' 'ANPR_archivio_comuni.csv' 'License: Expat'; do
  grep -qF "$text" NOTICES.txt || fail "NOTICES.txt lacks '$text'"
done
for file in LICENSE.txt NOTICES.txt README.txt; do
  [ "$(grep -c $'\r$' "$file")" -eq "$(wc -l <"$file")" ] || fail "$file has lines without CRLF"
done
grep -qF LICENSE.txt README.txt && grep -qF NOTICES.txt README.txt || fail "README.txt names neither LICENSE.txt nor NOTICES.txt"
echo PASS
