#!/bin/sh
# Starts Harvo.exe under Xvfb in a private Wine prefix, loads a real thread log,
# ticks a few rows and saves a screenshot; then times a whole load command on
# the shown window against a plain read of the same file.
#   sh scripts/screenshot.sh [OUTPUT.png] [THREAD_LOG]
set -e
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/screenshot.png}")
log=$(realpath "${2:-../shared/data/real/twoB_2ch_with_id_and_be.dat}")
sh scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Harvo harvo_driver >/dev/null
bin=build/windows/bin
prefix=$(pwd)/build/screenshot-prefix
[ -f "$prefix/system.reg" ] || cmake/wine-run.sh "$prefix" --fresh
xvfb-run -a sh -c "
    cmake/wine-run.sh '$prefix' $bin/Harvo.exe &
    cmake/wine-run.sh '$prefix' $bin/harvo_driver.exe load \"\$(WINEPREFIX='$prefix' winepath -w '$log')\"
    cmake/wine-run.sh '$prefix' $bin/harvo_driver.exe tick 1 3 4 8
    sleep 1
    import -window root '$out'
    cmake/wine-run.sh '$prefix' $bin/harvo_driver.exe time-load \"\$(WINEPREFIX='$prefix' winepath -w '$log')\"
    cmake/wine-run.sh '$prefix' $bin/harvo_driver.exe close
    cmake/wine-run.sh '$prefix' $bin/harvo_driver.exe answer 6  # Yes: the ticks are thrown away
    wait
"
echo "screenshot: $out"
