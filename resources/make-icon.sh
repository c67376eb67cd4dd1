#!/bin/sh
# Redraws resources/Harvo.ico: a white page with rounded corners, a few grey
# text lines and a green check mark, at 16, 32 and 48 pixels in one icon file.
# Needs ImageMagick 6 (convert). The build uses the committed Harvo.ico and
# does not run this script.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Each size is drawn on a 48-unit grid scaled to its pixels; line widths are
# given in pixels, so the small icons keep lines at least one pixel wide.
draw() {
    size=$1
    s=$(awk -v n="$size" 'BEGIN { printf "%.4f", n / 48 }')
    line=$(awk -v n="$size" 'BEGIN { printf "%.2f", n < 32 ? 1 : n / 24 }')
    check=$(awk -v n="$size" 'BEGIN { printf "%.2f", n < 32 ? 2.2 : n / 9 }')
    halo=$(awk -v c="$check" -v l="$line" 'BEGIN { printf "%.2f", c + 2 * l }')
    convert -size "${size}x${size}" xc:none \
        -fill white -stroke '#30405a' -strokewidth "$line" \
        -draw "scale $s,$s roundrectangle 7,3 39,45 5,5" \
        -stroke '#8a94a6' \
        -draw "stroke-linecap round scale $s,$s line 13,12 33,12 line 13,19 33,19 line 13,26 25,26" \
        -fill none -stroke white -strokewidth "$halo" \
        -draw "stroke-linecap round stroke-linejoin round scale $s,$s polyline 20,33 27,40 42,23" \
        -stroke '#1e9e3a' -strokewidth "$check" \
        -draw "stroke-linecap round stroke-linejoin round scale $s,$s polyline 20,33 27,40 42,23" \
        "PNG32:$tmp/icon-$size.png"
}

for size in 16 32 48; do
    draw "$size"
done
convert "$tmp/icon-16.png" "$tmp/icon-32.png" "$tmp/icon-48.png" "$here/Harvo.ico"
