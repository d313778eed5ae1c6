#!/usr/bin/env bash
# The converter's, photo loading's and the engine's speed on large photos, each figure beside
# its goal and the load average it was taken at, against what libjpeg's own programs (djpeg and
# cjpeg, Debian libjpeg-turbo-progs) take on the same photo:
#
#   1. graphitine-sketch PHOTO SKETCH.jpg ÷ djpeg PHOTO | cjpeg -quality 20 -baseline (goal: at
#      most 0.8 x for a baseline photo, 1.0 x for a progressive one), once with huge pages as the
#      system grants them and once with none (build/bench/without_huge_pages);
#   2. LoadPicture (pictures_bench's BM_ReadJpeg) ÷ djpeg PHOTO (goal: at most 1.05 x);
#   3. a batch of 20 copies of the photo: the rate of --jobs 2 ÷ the one-core rate (--jobs 1 held
#      to one core by taskset), which two cores doing two items at once can at best double (goal:
#      at least 1.8 x), and --jobs 1 on every core beside them;
#   4. LoadPicturePreview for a 640 x 400 view ÷ LoadPicture (goal: at most 1/6);
#
# then 5. the engine's pencil on 5640 x 3172 with two threads (bench_convert, goal: at most
# 8 ms) beside a plain copy of the raster, and the peak memory of converting a 6000 x 4000 photo.
# Given a reference build's converter (GRAPHITINE_SKETCH_BEFORE=path), figures 1 and 3 are taken
# for it too, in turn with ours, and its sketches are compared with ours byte for byte.
#
#   bench/converter_speed.sh [PHOTO...]
#
# Without PHOTO, bench/photos.sh makes the detailed, the smooth and the progressive 5640 x 3172
# photo. A figure is the median of RUNS runs (default 7; BATCH_RUNS, default 3, for the
# batches), the things compared run in turn. Other work on the machine slows everything: figures
# are best taken below a load of 0.3; where the machine stays busy, running the script as root
# under `chrt -f 10` makes the other work wait while it measures. GRAPHITINE_SKETCH names the
# converter to measure (default build/bin/graphitine-sketch).
set -euo pipefail
cd "$(dirname "$0")/.."
converter=${GRAPHITINE_SKETCH:-build/bin/graphitine-sketch}
before=${GRAPHITINE_SKETCH_BEFORE:-}
bench=build/bench/pictures_bench
engine=build/bench/bench_convert
no_huge_pages=build/bench/without_huge_pages
runs=${RUNS:-7}
for tool in "$converter" "$bench" "$engine" "$no_huge_pages"; do
  [ -x "$tool" ] || { echo "build $tool first (cmake --build build)" >&2; exit 1; }
done
for tool in djpeg cjpeg taskset; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/setup" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

photos=("$@")
if [ ${#photos[@]} -eq 0 ]; then
  bench/photos.sh "$work/photos"
  photos=("$work/photos/detailed.jpg" "$work/photos/smooth.jpg" "$work/photos/progressive.jpg")
fi

# seconds CMD...: the wall time of one run, in seconds (bash's own timer: no further processes).
seconds() {
  local TIMEFORMAT=%R
  { time "$@" >/dev/null 2>&1; } 2>&1
}
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
calc() { awk "BEGIN { printf \"%.2f\", $1 }"; }
load() { echo "[load $(cut -d' ' -f1 /proc/loadavg)]"; }
# bench_ms NAME: one run of a pictures_bench benchmark, its time per iteration in ms.
bench_ms() {
  GRAPHITINE_BENCH_PHOTO=$photo "$bench" --benchmark_filter="^$1\$" --benchmark_format=csv \
    2>/dev/null | awk -F, -v name="\"$1\"" '$1 == name { print $3 }'
}
# engine_ms NAME: the median of RUNS runs of a bench_convert benchmark, in ms.
engine_ms() {
  "$engine" --benchmark_filter="^$1\$" --benchmark_repetitions="$runs" \
    --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
    awk -F, -v name="\"$1_median\"" '$1 == name { print $3 }'
}
pipe() { djpeg "$photo" | cjpeg -quality 20 -baseline >"$work/cjpeg.jpg"; }
batch() { rm -rf "$work/out"; mkdir "$work/out"; "$@" -q --batch "$work/out" "$work/in"; }
# The converters measured: ours, and the reference build's if given.
converters=("$converter")
[ -n "$before" ] && converters+=("$before")
name() { [ "$1" = "$converter" ] && echo "graphitine-sketch" || echo "reference build"; }
# A progressive photo has a progressive start of frame (FF C2).
progressive() { LC_ALL=C grep -qaP '\xff\xc2' "$1"; }

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
for photo in "${photos[@]}"; do
  echo
  if progressive "$photo"; then kind=progressive goal=1.0; else kind=baseline goal=0.8; fi
  echo "photo $photo ($kind, $(stat -c %s "$photo") bytes)"
  declare -A huge=() none=()
  piped=() djpegs=() loads=() previews=()
  start=$(load)
  for _ in $(seq "$runs"); do
    for c in "${converters[@]}"; do
      huge[$c]+=" $(seconds "$c" "$photo" "$work/sketch.jpg")"
      none[$c]+=" $(seconds "$no_huge_pages" "$c" "$photo" "$work/sketch.jpg")"
    done
    piped+=("$(seconds pipe)")
    djpegs+=("$(seconds djpeg -outfile /dev/null "$photo")")
    loads+=("$(bench_ms BM_ReadJpeg)")
    previews+=("$(bench_ms BM_LoadPicturePreview)")
  done
  p=$(median "${piped[@]}") d=$(median "${djpegs[@]}")
  l=$(median "${loads[@]}") v=$(median "${previews[@]}")
  echo "1. djpeg | cjpeg $p s $start"
  for c in "${converters[@]}"; do
    # shellcheck disable=SC2086  # the lists of times are meant to be split
    h=$(median ${huge[$c]}) n=$(median ${none[$c]})
    echo "   $(name "$c"): $h s with huge pages as granted, $n s without:" \
      "$(calc "$h / $p") x, $(calc "$n / $p") x the pipe (goal <= $goal)"
  done
  if [ -n "$before" ]; then
    "$converter" "$photo" "$work/ours.jpg"
    "$before" "$photo" "$work/before.jpg"
    cmp -s "$work/ours.jpg" "$work/before.jpg" && echo "   same bytes as the reference build" \
      || echo "   DIFFERENT BYTES from the reference build"
  fi
  echo "2. LoadPicture $l ms, djpeg $(calc "$d * 1000") ms:" \
    "$(calc "$l / ($d * 1000)") x (goal <= 1.05) $start"

  mkdir -p "$work/in"
  rm -f "$work/in"/*
  for i in $(seq -w 1 20); do cp "$photo" "$work/in/photo$i.jpg"; done
  declare -A core=() two=() one=()
  batchStart=$(load)
  for _ in $(seq "${BATCH_RUNS:-3}"); do
    for c in "${converters[@]}"; do
      core[$c]+=" $(seconds batch taskset -c 0 "$c" --jobs 1)"
      two[$c]+=" $(seconds batch "$c" --jobs 2)"
      one[$c]+=" $(seconds batch "$c" --jobs 1)"
    done
  done
  echo "3. batch of 20 $batchStart"
  for c in "${converters[@]}"; do
    # shellcheck disable=SC2086  # the lists of times are meant to be split
    c1=$(median ${core[$c]}) j2=$(median ${two[$c]}) j1=$(median ${one[$c]})
    echo "   $(name "$c"): one core $(calc "20 / $c1") photos/s ($c1 s)," \
      "--jobs 2 $(calc "20 / $j2") photos/s ($j2 s): $(calc "$c1 / $j2") x the one-core rate" \
      "(goal >= 1.8); --jobs 1 on every core $(calc "20 / $j1") photos/s ($j1 s)"
  done
  echo "4. LoadPicturePreview (640 x 400) $v ms: $(calc "$v / $l") of LoadPicture" \
    "(goal <= 0.17) $start"
done

echo
start=$(load)
pencil=$(engine_ms "BM_Convert/style:1/step:1/photo:0/threads:0/real_time")
copy=$(engine_ms "BM_Copy/real_time")
echo "5. engine, pencil on 5640 x 3172 with two threads: $pencil ms (goal <= 8);" \
  "a plain copy of the raster $copy ms $start"

build/bench/make_bench_photo smooth resources/J.jpg 6000 4000 "$work/24mp.bmp"
cjpeg -quality 92 -outfile "$work/24mp.jpg" "$work/24mp.bmp"
/usr/bin/time -f '%M' -o "$work/peak" "$converter" "$work/24mp.jpg" "$work/24mp-sketch.jpg"
echo
echo "peak resident memory converting a 6000 x 4000 photo: $(( $(cat "$work/peak") / 1024 )) MiB"
