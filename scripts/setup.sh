#!/bin/sh
# Installs what the build and the tests need on a Debian 12 machine (as root),
# skipping what is already there.
set -e
packages="cmake g++ make googletest libgtest-dev libbenchmark-dev g++-mingw-w64-x86-64 wine wine64 xvfb xauth locales fonts-ipafont-gothic imagemagick zip clang libclang-rt-14-dev chromium python3"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi
if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
fi
