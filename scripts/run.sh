#!/bin/sh
# Builds Harvo.exe and Scriv.dll and starts the tool under Wine on the current
# X display, in the project's own Wine prefix (build/run-prefix, made once the
# way the tests make theirs: Japanese font substitutes and a virtual desktop).
set -e
cd "$(dirname "$0")/.."
if [ -z "$DISPLAY" ]; then
    echo "run.sh: no X display (DISPLAY is not set), so nobody could see the window." >&2
    echo "Start it from a desktop session, or see it in a screenshot: sh scripts/screenshot.sh" >&2
    exit 1
fi
sh scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Harvo
prefix=$(pwd)/build/run-prefix
[ -f "$prefix/system.reg" ] || cmake/wine-run.sh "$prefix" --fresh
echo "Starting build/windows/bin/Harvo.exe (its log: build/windows/bin/trace.log)"
exec cmake/wine-run.sh "$prefix" build/windows/bin/Harvo.exe
