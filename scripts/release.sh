#!/bin/sh
# Builds the Windows binaries and writes the release a Windows user downloads:
# DIST/Harvo-VERSION-win64.zip (DIST is dist/ unless given), VERSION read from
# the version resource. The files of release/ are kept in UTF-8 with LF line
# ends and written as Windows programs read them: the INI files in Shift_JIS
# and readme.txt with a byte order mark, every text with CR LF.
# The zip is reproducible: fixed time stamps, fixed order, no extra fields.
#   sh scripts/release.sh [DIST]
set -e
cd "$(dirname "$0")/.."
dist=$(realpath -m "${1:-dist}")
sh scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Harvo

version=$(sed -n 's/^FILEVERSION *\([0-9]*\), *\([0-9]*\), *\([0-9]*\), *\([0-9]*\).*/\1.\2.\3.\4/p' resources/Harvo.rc)
[ -n "$version" ] || { echo "release.sh: no FILEVERSION in resources/Harvo.rc" >&2; exit 1; }
name=Harvo-$version-win64
stage=build/release/$name
rm -rf "$stage"
mkdir -p "$stage" "$dist"

crlf() { sed 's/\r*$/\r/' "$1"; }
cp build/windows/bin/Harvo.exe build/windows/bin/Scriv.dll "$stage/"
for ini in Harvo.ini Scriv.ini; do crlf "release/$ini" | iconv -f UTF-8 -t CP932 >"$stage/$ini"; done
crlf release/Harvo.css >"$stage/Harvo.css"
{ printf '\357\273\277'; crlf release/readme.txt | sed "s/@VERSION@/$version/g"; } >"$stage/readme.txt"

entries="Harvo.exe Scriv.dll Harvo.ini Scriv.ini Harvo.css readme.txt"
chmod 644 "$stage"/*
touch -d '2000-01-01 00:00:00 UTC' "$stage"/*
rm -f "$dist/$name.zip"
(cd "$stage" && TZ=UTC zip -q -X -D "$dist/$name.zip" $entries)
echo "$dist/$name.zip"
sha256sum "$dist/$name.zip" | cut -d' ' -f1
