#!/bin/sh
# Builds list_fill_bench and runs it under Wine in Xvfb, in a private prefix
# made as the tests make theirs: the tool's fill of both target lists against
# the list views' floor (bare inserts of texts converted beforehand), on the
# tool's own main dialog, hidden.
#   sh scripts/list-bench.sh [THREAD_LOG] [REPETITIONS]
set -e
cd "$(dirname "$0")/.."
log=$(realpath "${1:-../shared/data/real/twoB_1264432017.dat}")
sh scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target list_fill_bench >/dev/null
bin=build/windows/bin
prefix=$(pwd)/build/bench-prefix
[ -f "$prefix/system.reg" ] || cmake/wine-run.sh "$prefix" --fresh
echo "thread log: $log"
xvfb-run -a sh -c "
    cmake/wine-run.sh '$prefix' $bin/list_fill_bench.exe \"\$(WINEPREFIX='$prefix' winepath -w '$log')\" ${2:-9}
    status=\$?
    WINEPREFIX='$prefix' wineserver -k 2>/dev/null || true
    exit \$status
"
