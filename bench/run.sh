#!/usr/bin/env bash
# End-to-end benchmark of vellumark-convert on 4096 x 4096 sprite pictures
# (24 and 32 bits, 8-bit palette, RLE8), against `cat FILE > /dev/null` (the
# cost of reading the bytes at all) and ImageMagick's decode
# (`/usr/bin/convert FILE rgb:/dev/null`), in the same run, several times.
#
#   bench/run.sh [BUILD_DIR] [REPETITIONS]      (defaults: build/native, 7)
#
# Reports per tool and file: input MB/s from the median wall time, the median
# CPU time (user + system), and the peak resident set from /usr/bin/time.
# Needs /usr/bin/time (Debian package "time") and ImageMagick at /usr/bin/convert.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/native}
reps=${2:-7}
tool="$build/src/cli/vellumark-convert"
maker="$build/bench/make_bench_bmp"
magick=/usr/bin/convert
for need in "$tool" "$maker" /usr/bin/time "$magick"; do
  [[ -x $need ]] || { echo "missing: $need (build with: cmake --preset native && cmake --build build/native -j2)" >&2; exit 1; }
done

work=${VM_BENCH_DIR:-/tmp/vm-bench}
mkdir -p "$work"
"$maker" "$work" 4096 >/dev/null

# One timed command: prints "wall_seconds cpu_seconds peak_kb".
measure() {
  local stats="$work/time.out" start end
  start=$(date +%s%N)
  /usr/bin/time -f '%U %S %M' -o "$stats" "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  read -r user sys peak <"$stats"
  awk -v w="$((end - start))" -v u="$user" -v s="$sys" -v p="$peak" \
    'BEGIN { printf "%.6f %.3f %d\n", w / 1e9, u + s, p }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

printf '%-18s %-10s %8s %10s %10s %10s %9s\n' file tool size_MB wall_ms MB/s cpu_ms peak_MB
for file in "$work"/sprite-24.bmp "$work"/sprite-32.bmp "$work"/sprite-8.bmp "$work"/sprite-rle8.bmp; do
  bytes=$(stat -c %s "$file")
  declare -A walls=() cpus=() peaks=()
  for ((i = 0; i < reps; i++)); do
    # The three tools take turns, so a busy moment of the machine hits all.
    read -r w c p < <(measure cat "$file");                                   walls[cat]+="$w "; cpus[cat]+="$c "; peaks[cat]=$p
    read -r w c p < <(measure "$tool" --quiet --color '$FF00FF' "$file");      walls[vm]+="$w ";  cpus[vm]+="$c ";  peaks[vm]=$p
    read -r w c p < <(measure "$magick" "$file" rgb:/dev/null);               walls[magick]+="$w "; cpus[magick]+="$c "; peaks[magick]=$p
  done
  for t in cat vm magick; do
    wall=$(tr ' ' '\n' <<<"${walls[$t]}" | grep . | median)
    cpu=$(tr ' ' '\n' <<<"${cpus[$t]}" | grep . | median)
    awk -v f="$(basename "$file")" -v t="$t" -v b="$bytes" -v w="$wall" -v c="$cpu" -v p="${peaks[$t]}" \
      'BEGIN { printf "%-18s %-10s %8.1f %10.1f %10.1f %10.0f %9.1f\n", f, t, b / 1e6, w * 1e3, b / 1e6 / w, c * 1e3, p / 1024 }'
  done
  unset walls cpus peaks
done

# Every format of the same picture must give the same mask.
for f in 32 8 rle8; do
  cmp -s "$work/sprite-24.APD" "$work/sprite-$f.APD" || { echo "mask of sprite-$f differs from sprite-24" >&2; exit 1; }
done
echo "masks of all four files identical ($(stat -c %s "$work/sprite-24.APD") bytes)"
