#!/bin/sh
# Builds the Windows binaries and starts the tool under Wine.
set -e
cd "$(dirname "$0")/.."
sh scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows
if [ -f build/windows/bin/Harvo.exe ]; then
    export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEDEBUG=-all
    if [ -z "$DISPLAY" ]; then exec xvfb-run -a wine build/windows/bin/Harvo.exe; fi
    exec wine build/windows/bin/Harvo.exe
fi
echo "Built build/windows/bin/Scriv.dll; the program itself is not there yet."
