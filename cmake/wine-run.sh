#!/bin/sh
# Runs a Windows program under Wine for the tests.
#   wine-run.sh PREFIX --fresh        make a new private Wine prefix (once per test run)
#   wine-run.sh PREFIX PROGRAM ARGS   run PROGRAM in that prefix
# Japanese locale (ANSI code page 932) unless HARVO_TEST_LANG says otherwise,
# no Wine debug output, and a virtual X display when there is none.
set -e
prefix=$1; shift
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG="${HARVO_TEST_LANG:-ja_JP.UTF-8}" LC_ALL="${HARVO_TEST_LANG:-ja_JP.UTF-8}"
if [ -z "$DISPLAY" ] && [ -z "$HARVO_IN_XVFB" ]; then
    export HARVO_IN_XVFB=1
    exec xvfb-run -a "$0" "$prefix" "$@"
fi
if [ "$1" = "--fresh" ]; then
    wineserver -k 2>/dev/null || true
    rm -rf "$prefix"
    mkdir -p "$prefix"
    wineboot -i
    # A virtual desktop: with no window manager in Xvfb, Wine then draws the
    # caption and close box itself. And the dialogs' font in a Japanese face.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null
    for face in 'ＭＳ Ｐゴシック' 'MS PGothic' 'ＭＳ ゴシック' 'MS Gothic' 'MS Shell Dlg'; do
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
            /v "$face" /d IPAPGothic /f >/dev/null
    done
    wineserver -w
    exit 0
fi
exec wine "$@"
