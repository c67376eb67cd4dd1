#!/bin/sh
# The layer check: every source folder stands on the folders below it. A file
# may include headers of its own folder and of lower floors, never of a higher
# floor nor of another folder on its own floor. tests/ and bench/ may include
# anything. Fails with the file, the line and the include that breaks the order.
#
#   sh scripts/check-layers.sh          check
#   sh scripts/check-layers.sh --list   print, per folder, the folders its files include
set -e
cd "$(dirname "$0")/.."

# Bottom to top, one floor a line. posts/ and scriv/ stand on platform/ alone.
ORDER='
platform resources
posts
scriv
ui
settings threadlog
select
html
app
'

folders=$(echo "$ORDER" | tr ' ' '\n' | grep .)
# A new source folder must take its place in the order before it is checked.
for d in $(ls -d */ | tr -d /); do
    case " tests bench build samples scripts cmake $(echo $folders) " in *" $d "*) continue ;; esac
    if ls "$d" | grep -q '\.\(cpp\|h\)$'; then
        echo "check-layers: $d/ holds sources but has no floor in scripts/check-layers.sh"
        exit 1
    fi
done
# path:line:include for every quoted include of a source folder's files.
includes=$(for f in $folders; do
    [ -d "$f" ] && grep -Hn '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$f"/* 2>/dev/null
done | sed 's/^\([^:]*:[0-9]*\):.*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1:\2/' || true)

if [ "$1" = "--list" ]; then
    for f in $folders; do
        echo "$f/: $(echo "$includes" | grep "^$f/" | cut -d: -f3 | grep / | cut -d/ -f1 |
            grep -vx "$f" | sort -u | tr '\n' ' ')"
    done
    exit 0
fi

echo "$includes" | awk -v order="$ORDER" '
BEGIN {
    n = split(order, floors, "\n"); rank = 0
    for (i = 1; i <= n; i++) {
        if (floors[i] ~ /^ *$/) continue
        rank++; m = split(floors[i], names, " ")
        for (j = 1; j <= m; j++) floor[names[j]] = rank
    }
}
NF >= 3 {
    split($1, from, "/"); split($3, to, "/")
    if (!(to[1] in floor) || to[1] == from[1]) next
    if (floor[to[1]] > floor[from[1]])
        why = to[1] "/ is above " from[1] "/"
    else if (floor[to[1]] == floor[from[1]])
        why = to[1] "/ is on the same floor as " from[1] "/"
    else next
    printf "check-layers: %s:%s includes \"%s\": %s\n", $1, $2, $3, why
    bad = 1
}
END {
    if (bad) {
        print "check-layers: includes must point down the order in scripts/check-layers.sh"
        exit 1
    }
}' FS=:
echo "check-layers: every include points down the stack"
