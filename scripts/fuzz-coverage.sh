#!/bin/sh
# The source coverage the fuzz corpora reach: replays build/fuzz/corpus/<target>
# (grown by scripts/fuzz.sh) through the targets built with coverage (CMake
# preset "fuzz-coverage") and reports lines and branches of the tool's own
# sources, per target and for all of them together:
#   sh scripts/fuzz-coverage.sh [TARGET...]
set -e
cd "$(dirname "$0")/.."
targets=${*:-$(ls tests/fuzz/Fuzz*.cpp | sed 's|.*/Fuzz||; s|\.cpp$||')}
cmake --preset fuzz-coverage >/dev/null
cmake --build --preset fuzz-coverage
out=build/fuzz-coverage
rm -rf "$out/profiles" && mkdir -p "$out/profiles"
sources=$(ls platform/*.cpp posts/*.cpp scriv/*.cpp threadlog/*.cpp select/*.cpp html/*.cpp settings/*.cpp ui/*.cpp |
          grep -v 'Win\.cpp$')
objects=""
for t in $targets; do
    [ -d "build/fuzz/corpus/$t" ] || { echo "no corpus for $t: run scripts/fuzz.sh first" >&2; exit 1; }
    LLVM_PROFILE_FILE="$out/profiles/Fuzz$t.profraw" "$out/bin/Fuzz$t" -runs=0 "build/fuzz/corpus/$t" >/dev/null 2>&1
    llvm-profdata merge -sparse "$out/profiles/Fuzz$t.profraw" -o "$out/profiles/Fuzz$t.profdata"
    echo "== Fuzz$t =="
    # The files the target reaches, with llvm-cov's header; TOTAL would count the others too.
    llvm-cov report "$out/bin/Fuzz$t" -instr-profile="$out/profiles/Fuzz$t.profdata" $sources |
        awk 'NR == 1 || ($1 ~ /\.cpp$/ && $10 != "0.00%")'
    objects="${objects:+$objects -object }$out/bin/Fuzz$t"
done
echo "== all targets, every source of the portable core =="
llvm-profdata merge -sparse "$out"/profiles/Fuzz*.profdata -o "$out/profiles/all.profdata"
llvm-cov report $objects -instr-profile="$out/profiles/all.profdata" $sources 2>/dev/null
