#!/usr/bin/env bash
# End-to-end benchmark of vellumark-convert on 4096 x 4096 sprite pictures
# (24 and 32 bits, 8-bit palette, RLE8), against `cat FILE > /dev/null` (the
# cost of reading the bytes at all) and ImageMagick's decode
# (`/usr/bin/convert FILE rgb:/dev/null`), in the same run, several times.
#
#   bench/run.sh [BUILD_DIR] [REPETITIONS]      (defaults: build/native, 7)
#
# Reports per tool and file: input MB/s from the median wall time and from the
# median CPU time (user + system; on a machine busy with other work the wall
# time mostly measures waiting), the peak resident set from /usr/bin/time, and
# the ratios against the targets: vm within 3x of cat, magick 20x slower than vm.
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

# One timed command: prints "wall_seconds cpu_seconds peak_kb". Wall time and
# peak resident set come from one run under /usr/bin/time; CPU time (user +
# system, in milliseconds, which /usr/bin/time cannot resolve) from a second
# run under perf stat when perf is there, else from /usr/bin/time.
measure() {
  local stats="$work/time.out" cpu="$work/perf.out" start end user sys peak cpu_s
  start=$(date +%s%N)
  /usr/bin/time -f '%U %S %M' -o "$stats" "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  read -r user sys peak <"$stats"
  cpu_s=$(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }')
  if command -v perf >/dev/null; then
    perf stat -x, -e task-clock -o "$cpu" -- "$@" >/dev/null 2>&1
    cpu_s=$(awk -F, '/task-clock/ { print $1 / 1000 }' "$cpu")
  fi
  awk -v w="$((end - start))" -v c="$cpu_s" -v p="$peak" 'BEGIN { printf "%.6f %.6f %d\n", w / 1e9, c, p }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

printf '%-16s %-7s %8s %9s %9s %8s %9s %8s\n' file tool size_MB wall_ms wall_MB/s cpu_ms cpu_MB/s peak_MB
for file in "$work"/sprite-24.bmp "$work"/sprite-32.bmp "$work"/sprite-8.bmp "$work"/sprite-rle8.bmp; do
  bytes=$(stat -c %s "$file")
  declare -A walls=() cpus=() peaks=()
  for ((i = 0; i < reps; i++)); do
    # The three tools take turns, so a busy moment of the machine hits all.
    read -r w c p < <(measure cat "$file");                              walls[cat]+="$w "; cpus[cat]+="$c "; peaks[cat]=$p
    read -r w c p < <(measure "$tool" --quiet --color '$FF00FF' "$file"); walls[vm]+="$w "; cpus[vm]+="$c "; peaks[vm]=$p
    read -r w c p < <(measure "$magick" "$file" rgb:/dev/null);          walls[magick]+="$w "; cpus[magick]+="$c "; peaks[magick]=$p
  done
  declare -A wall=() cpu=()
  for t in cat vm magick; do
    wall[$t]=$(tr ' ' '\n' <<<"${walls[$t]}" | grep . | median)
    cpu[$t]=$(tr ' ' '\n' <<<"${cpus[$t]}" | grep . | median)
    awk -v f="$(basename "$file")" -v t="$t" -v b="$bytes" -v w="${wall[$t]}" -v c="${cpu[$t]}" -v p="${peaks[$t]}" \
      'BEGIN { printf "%-16s %-7s %8.1f %9.1f %9.1f %8.1f %9.1f %8.1f\n", f, t, b / 1e6, w * 1e3, b / 1e6 / w, c * 1e3, (c > 0 ? b / 1e6 / c : 0), p / 1024 }'
  done
  awk -v vw="${wall[vm]}" -v cw="${wall[cat]}" -v mw="${wall[magick]}" -v vc="${cpu[vm]}" -v cc="${cpu[cat]}" -v mc="${cpu[magick]}" \
    'BEGIN { printf "%-16s vm/cat: wall %.1fx, cpu %.1fx;  magick/vm: wall %.1fx, cpu %.1fx\n", "", vw / cw, vc / cc, mw / vw, mc / vc }'
  unset walls cpus peaks wall cpu
done

# Every format of the same picture must give the same mask.
for f in 32 8 rle8; do
  cmp -s "$work/sprite-24.APD" "$work/sprite-$f.APD" || { echo "mask of sprite-$f differs from sprite-24" >&2; exit 1; }
done
echo "masks of all four files identical ($(stat -c %s "$work/sprite-24.APD") bytes)"
