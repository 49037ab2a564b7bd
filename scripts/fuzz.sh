#!/bin/sh
# Runs the BMP loader's fuzz target for a number of seconds (default 60) on
# a copy of the seed corpus in the build folder. Fails on any crash, leak,
# timeout or out-of-memory; the input that caused it is left in
# build/fuzz/fuzz-artifacts/.
#   scripts/fuzz.sh [seconds]
set -eu
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VM_FUZZ_BUILD_DIR:-$root/build/fuzz}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" --preset fuzz
fi
cmake --build "$build" -j2 --target bmp_fuzz

corpus=$build/fuzz-corpus/bmp_fuzz
artifacts=$build/fuzz-artifacts
rm -rf "$corpus"
mkdir -p "$corpus" "$artifacts"
cp "$root"/tests/fuzz/corpus/bmp_fuzz/* "$corpus"/

"$build/tests/fuzz/bmp_fuzz" "$corpus" \
  -max_total_time="$seconds" -rss_limit_mb=512 -malloc_limit_mb=512 -timeout=10 \
  -max_len=16384 -print_final_stats=1 -artifact_prefix="$artifacts/"
