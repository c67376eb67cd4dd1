#!/bin/sh
# Builds the libFuzzer targets of tests/fuzz (CMake preset "fuzz", clang) and
# runs each in turn over its corpus in build/fuzz/corpus/<target>:
#   sh scripts/fuzz.sh short          at most 20000 runs or 20 s per target (scripts/test.sh)
#   sh scripts/fuzz.sh long SECONDS [TARGET...]
#                                     10 million runs or SECONDS per target,
#                                     every target of tests/fuzz or those named
#                                     (ThreadLog for tests/fuzz/FuzzThreadLog.cpp …)
#   sh scripts/fuzz.sh merge [TARGET...]
#                                     shrinks each corpus to the inputs that
#                                     add coverage (after long runs)
# Seeds: the real thread logs of ../shared/data/real (read there, never copied),
# samples/sample.dat, check files made from both, and small hand-made inputs.
# A failing input is kept as build/fuzz/crashes/<target>-crash-*; the exit
# status is 1 when any target failed.
set -e
cd "$(dirname "$0")/.."
mode=$1
case "$1" in
    short) limit="-runs=20000 -max_total_time=20" ;;
    long) [ -n "$2" ] || { echo "usage: sh scripts/fuzz.sh long SECONDS [TARGET...]" >&2; exit 2; }
          limit="-runs=10000000 -max_total_time=$2"
          shift ;;
    merge) limit="" ;;
    *) echo "usage: sh scripts/fuzz.sh short | long SECONDS [TARGET...] | merge [TARGET...]" >&2; exit 2 ;;
esac
shift
all=$(ls tests/fuzz/Fuzz*.cpp | sed 's|.*/Fuzz||; s|\.cpp$||')
targets=${*:-$all}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

out=build/fuzz
real=../shared/data/real
[ -d "$real" ] || real=""
logs=""
[ -n "$real" ] && logs=$(ls "$real"/*.dat)
logs="$logs samples/sample.dat"
mkdir -p "$out/crashes" "$out/logs"
for t in $all; do mkdir -p "$out/corpus/$t"; done
seed() { cat > "$out/corpus/$1/seed-$2"; }

# A line of N bytes.
line() { head -c "$1" /dev/zero | tr '\000' a; echo; }
# 1000 marks from a string of y and n, padded with n.
marks() { { cat; head -c 1000 /dev/zero | tr '\000' n; } | head -c 1000 | tr yn '\001\000'; }
# A check file for a thread log: its title; marked in the main list the posts
# that answer another, in the sub list the posts with an ID.
check_file() {
    LC_ALL=C awk -F'<>' 'NR <= 1000 { printf "%s", $4 ~ /&gt;&gt;/ ? "y" : "n" }' "$1" | marks
    LC_ALL=C awk -F'<>' 'NR <= 1000 { printf "%s", $3 ~ /ID:/ ? "y" : "n" }' "$1" | marks
    title=$(LC_ALL=C awk -F'<>' 'NR == 1 { printf "%s", substr($5, 1, 255) }' "$1")
    length=$(($(printf %s "$title" | LC_ALL=C wc -c) + 1))
    printf "\\$(printf %o $((length % 256)))\\$(printf %o $((length / 256)))\\000\\000"
    printf '%s\000' "$title"
}

printf 'name</b>trip <b><>sage<>2024/01/01 ID:abc BE:123-2<>body &gt;&gt;1<>title\n<><>ID:x<>b\n' | seed ThreadLog marks
{ line 10238; line 10239; printf 'a\000b<>c\r\n<><><><>no line feed'; } | seed ThreadLog limits
for log in $logs; do check_file "$log" | seed CheckFile "$(basename "$log" .dat)"; done
check_file samples/sample.dat | head -c 2003 | seed CheckFile short
{ head -c 2000 /dev/zero; printf '\001\001\000\000'; head -c 257 /dev/zero | tr '\000' t; } | seed CheckFile long
# Emphasis: many byte values behind the tag; and, as no block, the title
# again and more than a block's bytes.
{ check_file samples/sample.dat; printf HVEM; head -c 1000 samples/sample.dat; } | seed CheckFile emphasis
{ check_file samples/sample.dat; check_file samples/sample.dat | tail -c +2005; head -c 1004 samples/sample.dat; } |
    seed CheckFile untagged
printf '%s' 'TRACE\|PATH\|"C:\logs\trace.log" \|default \|' | seed Profile path
printf '[TRACE]\r\nPATH=old\r\n  general = 3 \r\n[other]\nk\n\001\000' >> "$out/corpus/Profile/seed-path"
printf '%s' 'EXCHANGE\|KIND\|99\|\|' | seed Profile new
printf '\357\273\277top=1\r\n[COLOR]\rTEXT="#FF0000"\r[EXCHANGE]\r\nREDAT=1\000' >> "$out/corpus/Profile/seed-new"
printf '\001C:\\logs\\trace.log' | seed Paths log
printf '\003C:\\\203\134\\a.b.dat' | seed Paths sjis
{ printf '\012'; line 254 | tr -d '\n'; printf '.log'; } | seed Paths long
printf '%s' '3\|10\|&gt;&gt;5 &gt;&gt;12-15 &gt;&gt; 7&gt;&gt;1001 &gt;&gt;2147483648 &gt;&gt;&gt;&gt;2' | seed Numbers anchors
printf '%s' ' +12\|-0\|&gt;&gt;0' | seed Numbers range
printf '%s' '1\|2\|&gt;&gt;3-23,30-51,7-6 &gt;&gt; +4-5-6,8 &gt;&gt;9,12-10' | seed Numbers ranges
printf '%s' 'fopen()\|x.html\|Harvo.cpp\|' | seed Scriv record
printf 'A\202\240\203\134\000\r\n\201' >> "$out/corpus/Scriv/seed-record"
printf '%s' 'a <br> b<BR>c<br />&#65;&#x3042;&nbsp;&amp;\|<a href="x">&gt;&gt;3</a>\' | seed PostText markup
printf '\225\134\201\225<font color=red>\203\134</font> 1 < 2 &#0; &#xD800;' >> "$out/corpus/PostText/seed-markup"
{ printf '\203'; head -c 8 samples/sample.dat; printf '\201\225\240\375\200\201'; } | seed PageEncoding cut
printf '\357\273\277ID:\343\201\202 \360\237\215\236 \302\251 \357\277\275\n' | seed Utf8Log utf8
printf '\202\240\202\242\203\134\n' | seed Utf8Log sjis
printf '\377\177%s' '<a href="../test/read.cgi/b/1/3" target="_blank">&gt;&gt;3</a> <A HREF="x">&gt;&gt;02-5</A> <a>&gt;&gt;1000</a> <a href="x">&gt;&gt;17</a>' | seed LocalLinks links
# Behind the body: the posts each answers, then every option on.
printf '%s\203<a http://c/ \020\062\124\166\230\272\334\376\007\000\377\377' \
    'x ttp://a/p.jpg?q=1 tp://b/x?p.png <a href="x">&gt;&gt;3</a>' | seed LocalLinks options

status=0
for t in $targets; do
    maxlen="" extra=""
    case $t in
        # Real logs are cut to max_len as inputs: longer ones only slow the mutations
        # down. 16 KB still holds a line the reader drops (10239 bytes or more);
        # each line costs a run about 15 µs of checks.
        ThreadLog) maxlen="-max_len=16384" extra="$real samples" ;;
        Numbers) maxlen="-max_len=8192" extra="$real samples" ;;
        # Thread logs as bytes to read: a body is at most 4 KB, and a character
        # cut off by a chunk's end needs no more than 1 KB around it.
        PostText|LocalLinks) maxlen="-max_len=4096" extra="$real samples" ;;
        PageEncoding|Utf8Log) maxlen="-max_len=1024" extra="$real samples" ;;
    esac
    if [ "$mode" = merge ]; then
        rm -rf "$out/corpus/$t.merged" && mkdir "$out/corpus/$t.merged"
        "$out/bin/Fuzz$t" -merge=1 $maxlen "$out/corpus/$t.merged" "$out/corpus/$t" > "$out/logs/$t-merge.log" 2>&1
        echo "Fuzz$t: $(ls "$out/corpus/$t" | wc -l) inputs -> $(ls "$out/corpus/$t.merged" | wc -l)"
        rm -rf "$out/corpus/$t" && mv "$out/corpus/$t.merged" "$out/corpus/$t"
        continue
    fi
    echo "== Fuzz$t =="
    if "$out/bin/Fuzz$t" $limit $maxlen -timeout=30 -dict=tests/fuzz/markers.dict -artifact_prefix="$out/crashes/$t-" \
           -print_final_stats=1 "$out/corpus/$t" $extra > "$out/logs/$t.log" 2>&1; then
        grep -E '^#[0-9]+[[:space:]]+DONE' "$out/logs/$t.log" | tail -1
        grep -E '^stat::number_of_executed_units|^stat::average_exec_per_sec' "$out/logs/$t.log"
    else
        tail -n 30 "$out/logs/$t.log"
        status=1
    fi
done
exit $status
