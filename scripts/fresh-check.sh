#!/bin/sh
# Runs README's test command, as a new user would, in a fresh Debian 12 root:
# a minbase root made once with debootstrap (cached under build/fresh/), a
# clean clone of this repository's HEAD with ../shared beside it, /proc, /dev
# and /sys mounted, everything run as root. With --run it then also runs
# README's run command under Xvfb until the main window is up, and ends it
# with the window's own "終了" button.
#   sh scripts/fresh-check.sh [--run]
# Needs root and the right to mount; where either is missing it says so and
# fails. Downloaded packages are kept in build/fresh/apt-archives between runs.
set -e
cd "$(dirname "$0")/.."
repo=$(pwd)
fresh=$repo/build/fresh
root=$fresh/root
fail() { echo "fresh-check: $*" >&2; exit 2; }

with_run=0
case "$1" in
    --run) with_run=1 ;;
    "") ;;
    *) fail "usage: sh scripts/fresh-check.sh [--run]" ;;
esac
[ "$(id -u)" = 0 ] || fail "needs root (debootstrap, chroot and mount); nothing was checked"
[ -d ../shared ] || fail "../shared is not beside the repository; nothing was checked"

mounted_under() { grep -q " $1[/ ]" /proc/self/mounts; }
unmount_all() {
    # What still runs in the root (a Wine server lingers) would hold its mounts.
    for p in /proc/[0-9]*; do
        if [ "$(readlink "$p/root" 2>/dev/null)" = "$root" ]; then kill -9 "${p#/proc/}" 2>/dev/null || true; fi
    done
    for m in var/cache/apt/archives sys dev proc; do
        if mounted_under "$root/$m"; then umount -R "$root/$m" || umount -lR "$root/$m"; fi
    done
}
trap unmount_all EXIT INT TERM

base=$fresh/bookworm-minbase.tar
if [ ! -f "$base" ]; then
    command -v debootstrap >/dev/null || {
        apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null
    } || fail "cannot install debootstrap; nothing was checked"
    mkdir -p "$fresh"
    rm -rf "$fresh/base"
    echo "fresh-check: making a Debian 12 minbase root (once; cached as $base)"
    debootstrap --variant=minbase bookworm "$fresh/base" http://deb.debian.org/debian >"$fresh/debootstrap.log" 2>&1 ||
        fail "debootstrap failed (see $fresh/debootstrap.log); nothing was checked"
    tar -C "$fresh/base" -cf "$base.part" . && mv "$base.part" "$base"
    rm -rf "$fresh/base"
fi

# A new root from the cached one: never remove a folder that still has mounts.
unmount_all
mounted_under "$root" && fail "something is still mounted under $root"
rm -rf "$root"
mkdir -p "$root" "$fresh/apt-archives"
tar -C "$root" -xf "$base"
cat >"$root/etc/apt/sources.list" <<'EOF'
deb http://deb.debian.org/debian bookworm main
deb http://deb.debian.org/debian bookworm-updates main
deb http://deb.debian.org/debian-security bookworm-security main
EOF
cp /etc/resolv.conf "$root/etc/resolv.conf"
mkdir -p "$root/work"
git clone -q "$repo" "$root/work/main"
cp -a ../shared "$root/work/shared"

mount -t proc proc "$root/proc" || fail "cannot mount /proc in $root (no right to mount?); nothing was checked"
mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev" || fail "cannot mount /dev in $root"
mount -t sysfs sysfs "$root/sys" || fail "cannot mount /sys in $root"
mount --bind "$fresh/apt-archives" "$root/var/cache/apt/archives" || fail "cannot mount the package cache"

in_root() {
    chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin sh -c "cd /work/main && $1"
}

echo "fresh-check: running README's test command (sh scripts/test.sh) in $root; output in $fresh/test.log"
start=$(date +%s)
status=0
in_root "sh scripts/test.sh" >"$fresh/test.log" 2>&1 || status=$?
tail -n 15 "$fresh/test.log"
echo "fresh-check: sh scripts/test.sh exited $status after $(($(date +%s) - start)) s"

run_status=0
if [ "$with_run" = 1 ]; then
    # The run command in a virtual X display; once it starts the program the
    # test driver waits for the main window and presses its "終了" button.
    echo "fresh-check: running README's run command (sh scripts/run.sh) under Xvfb; output in $fresh/run.log"
    start=$(date +%s)
    in_root 'xvfb-run -a sh -c "
        sh scripts/run.sh >/tmp/run.log 2>&1 & run=\$!
        for i in \$(seq 600); do grep -q \"^Starting \" /tmp/run.log && break; sleep 1; done
        cmake/wine-run.sh \"\$(pwd)/build/run-prefix\" build/windows/bin/harvo_driver.exe close
        closed=\$?
        wait \$run; ran=\$?
        cat /tmp/run.log
        echo window closed by its button: \$closed, run command: \$ran
        [ \$closed = 0 ] && [ \$ran = 0 ]"' >"$fresh/run.log" 2>&1 || run_status=$?
    tail -n 5 "$fresh/run.log"
    echo "fresh-check: sh scripts/run.sh exited $run_status after $(($(date +%s) - start)) s"
fi
[ "$status" = 0 ] && [ "$run_status" = 0 ]
