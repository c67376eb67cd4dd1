#!/bin/sh
# The release zip: exactly the listed entries at its top level, the same bytes
# from two runs, and its Harvo.ini left in OUT for the Windows suite to read back.
#   sh tests/release/check-release.sh OUT
set -e
out=$(realpath -m "$1")
cd "$(dirname "$0")/../.."
rm -rf "$out"
first=$(sh scripts/release.sh "$out/first" | tail -n 2)
second=$(sh scripts/release.sh "$out/second" | tail -n 2)
zip=$(echo "$first" | head -n 1)
if [ "$(echo "$first" | tail -n 1)" != "$(echo "$second" | tail -n 1)" ]; then
    echo "two runs wrote different zips:"; echo "$first"; echo "$second"; exit 1
fi
entries=$(cmake -E tar tf "$zip" | tr '\n' ' ')
if [ "$entries" != "Harvo.exe Scriv.dll Harvo.ini Scriv.ini Harvo.css readme.txt " ]; then
    echo "unexpected entries in $zip: $entries"; exit 1
fi
(cd "$out" && cmake -E tar xf "$zip" Harvo.ini)
echo "release zip checked: $zip"
