#!/bin/sh
# Regenerates the pictures of README under docs/images/: the main window with
# the sample thread loaded and posts marked, the settings dialog, the page
# of each output mode and a real thread's page in reply order with emphasised
# posts as a browser (headless Chromium) shows it with the
# release's Harvo.css beside it. The tool runs under Wine in Xvfb from a copy
# of its binaries in build/screenshots/, with a Harvo.ini of its own there.
#   sh scripts/screenshots.sh
set -e
cd "$(dirname "$0")/.."
sh scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Harvo harvo_driver >/dev/null

work=$(pwd)/build/screenshots
images=$(pwd)/docs/images
prefix=$(pwd)/build/screenshot-prefix
rm -rf "$work"
mkdir -p "$work/app" "$work/pages" "$images"
cp build/windows/bin/Harvo.exe build/windows/bin/Scriv.dll "$work/app/"
cp release/Harvo.css "$work/pages/"
[ -f "$prefix/system.reg" ] || cmake/wine-run.sh "$prefix" --fresh

# Small PNGs: the palette of a dialog or a page fits in 256 colours.
shrink() { convert "$1" -strip -colors 256 "PNG8:$1"; }

export WINEPREFIX="$prefix"
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    set -e
    run() { cmake/wine-run.sh "$WINEPREFIX" "$@"; }
    drive() { run build/windows/bin/harvo_driver.exe "$@"; }
    snap() { import -window root -crop "$(drive rect | tr -d "\r")" +repage "$1"; }
    win() { winepath -w "$1"; }
    run "'"$work"'/app/Harvo.exe" &
    drive load "$(win samples/sample.dat)"
    drive tick 3
    drive time-command 1006 1 >/dev/null   # same trip
    drive time-command 1010 1 >/dev/null   # referenced responses
    sleep 1
    snap "'"$images"'/main-window.png"
    drive menu 40001                        # settings
    sleep 1
    snap "'"$images"'/settings.png"
    drive dismiss
    # page:KIND:CHARSET; the UTF-8 page has its reply links inside the page.
    for mode in body:0:0 name:1:0 style:99:0 utf8:99:2; do
        page=${mode%%:*} kind=${mode#*:} charset=${mode##*:}
        printf "[EXCHANGE]\r\nKIND=%s\r\nCHARSET=%s\r\n[COLOR]\r\nTEXT=#0033CC\r\nNAME=#CC0000\r\n[CSS]\r\nSELECT_ID=1\r\n[OPTION]\r\nLOCAL_LINKS=%s\r\n" \
            "${kind%:*}" "$charset" "$((charset / 2))" >"'"$work"'/app/Harvo.ini"
        drive set 1007 "$(win "'"$work"'/pages/$page.html")"
        drive time-command 1011 1           # convert
    done
    # A real thread in reply order, a few posts emphasised (sub list rows).
    printf "[OPTION]\r\nORDER=1\r\n" >"'"$work"'/app/Harvo.ini"
    drive load "$(win "$(cd ../shared/data/real && pwd)/twoB_1264432017.dat")"
    drive tick 7 8 9 15 17 19 21 24 26
    drive emphasise 40101 7                 # red
    drive emphasise 40111 7                 # large
    drive emphasise 40120 7 24              # bold
    drive emphasise 40102 21                # blue
    drive emphasise 40103 15                # green
    drive set 1007 "$(win "'"$work"'/pages/emphasis.html")"
    drive time-command 1011 1
    drive close
    wait
'
for image in main-window settings; do shrink "$images/$image.png"; done
# Rendered outside a Japanese locale: the UTF-8 page must need no encoding chosen by hand.
for mode in body name style utf8 emphasis; do
    env -i PATH="$PATH" HOME="$work" LANG=C chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$work/chromium" --hide-scrollbars --window-size="800,$([ $mode = emphasis ] && echo 1600 || echo 900)" \
        --screenshot="$images/page-$mode.png" "file://$work/pages/$mode.html" 2>/dev/null
    shrink "$images/page-$mode.png"
done
ls -l "$images"
