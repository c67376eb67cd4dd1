#!/bin/sh
# Checks the layers of the source folders, builds every preset and runs every
# test: natively, under the sanitizers, and the Windows build under Wine in a
# virtual X display; then each fuzz target briefly.
set -e
cd "$(dirname "$0")/.."
# First the layer check: a folder that includes one above it fails the run.
sh scripts/check-layers.sh
sh scripts/setup.sh
status=0
for preset in native sanitize windows; do
    echo "== $preset =="
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset" || status=1
done
echo "== fuzz =="
sh scripts/fuzz.sh short || status=1
exit $status
