#!/bin/sh
# Screenshots of the main window at a scale and on a screen size, to see that
# it fits: 120 and 144 dots per inch (125 % and 150 %) on 1280x1024 and
# 1366x768 screens, the sample loaded, in docs/images/dpi-<DPI>-<W>x<H>.png.
#   sh scripts/dpi-screenshots.sh [DPI...]
set -e
cd "$(dirname "$0")/.."
sh scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Harvo harvo_driver >/dev/null
bin=build/windows/bin
sample=$(realpath samples/sample.dat)
for dpi in ${*:-120 144}; do
    for size in 1280x1024 1366x768; do
        prefix=$(pwd)/build/dpi-prefix-$dpi-$size
        out=$(pwd)/docs/images/dpi-$dpi-$size.png
        if [ ! -f "$prefix/system.reg" ]; then
            cmake/wine-run.sh "$prefix" --fresh
            WINEPREFIX="$prefix" WINEDEBUG=-all wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
            WINEPREFIX="$prefix" WINEDEBUG=-all wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$size" /f >/dev/null
            WINEPREFIX="$prefix" wineserver -w
        fi
        xvfb-run -a -s "-screen 0 ${size}x24" sh -c "
            cmake/wine-run.sh '$prefix' $bin/Harvo.exe &
            cmake/wine-run.sh '$prefix' $bin/harvo_driver.exe load \"\$(WINEPREFIX='$prefix' winepath -w '$sample')\"
            cmake/wine-run.sh '$prefix' $bin/harvo_driver.exe tick 3 4 9
            sleep 1
            import -window root '$out'
            cmake/wine-run.sh '$prefix' $bin/harvo_driver.exe close
            cmake/wine-run.sh '$prefix' $bin/harvo_driver.exe answer 6
            wait
        "
        echo "screenshot: $out"
    done
done
