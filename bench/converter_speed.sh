#!/usr/bin/env bash
# The converter's and photo loading's speed on large photos, each against what libjpeg's own
# programs (djpeg and cjpeg, Debian libjpeg-turbo-progs) take on the same photo:
#
#   1. graphitine-sketch PHOTO SKETCH.jpg, against djpeg PHOTO | cjpeg -quality 20 -baseline
#      (goal: at most 0.9 x), and that the sketch has the bytes of the reference build if one is
#      given (GRAPHITINE_SKETCH_BEFORE);
#   2. LoadPicture (pictures_bench's BM_ReadJpeg), against djpeg PHOTO (goal: at most 1.05 x);
#   3. a batch of 20 copies of the photo with --jobs 2, against --jobs 1 (goal: at least 1.8 x
#      the rate), and against --jobs 1 held to one core (taskset), which is what two cores
#      doing two items at once can at best double;
#   4. LoadPicturePreview for a 640 x 400 view, against LoadPicture (goal: at most 1/6);
#
# and the peak memory of converting a 6000 x 4000 photo.
#
#   bench/converter_speed.sh [PHOTO...]
#
# Without PHOTO, bench/photos.sh makes the detailed and the smooth 5640 x 3172 photo. A figure
# is the median of RUNS runs (default 7; 3 for the batches), the things compared run in turn.
# Other work on the machine slows everything: the load average is shown first, and figures are
# best taken below a load of 0.3; where the machine stays busy, running the script as root under
# `chrt -f 10` makes the other work wait while it measures. GRAPHITINE_SKETCH names the
# converter to measure (default build/bin/graphitine-sketch).
set -euo pipefail
cd "$(dirname "$0")/.."
converter=${GRAPHITINE_SKETCH:-build/bin/graphitine-sketch}
before=${GRAPHITINE_SKETCH_BEFORE:-}
bench=build/bench/pictures_bench
runs=${RUNS:-7}
for tool in "$converter" "$bench"; do
  [ -x "$tool" ] || { echo "build $tool first (cmake --build build)" >&2; exit 1; }
done
for tool in djpeg cjpeg; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/setup" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

photos=("$@")
if [ ${#photos[@]} -eq 0 ]; then
  bench/photos.sh "$work/photos"
  photos=("$work/photos/detailed.jpg" "$work/photos/smooth.jpg")
fi

# seconds CMD...: the wall time of one run, in seconds (bash's own timer: no further processes).
seconds() {
  local TIMEFORMAT=%R
  { time "$@" >/dev/null 2>&1; } 2>&1
}
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
calc() { awk "BEGIN { printf \"%.2f\", $1 }"; }
# bench_ms NAME: one run of a pictures_bench benchmark, its time per iteration in ms.
bench_ms() {
  GRAPHITINE_BENCH_PHOTO=$photo "$bench" --benchmark_filter="^$1\$" --benchmark_format=csv \
    2>/dev/null | awk -F, -v name="\"$1\"" '$1 == name { print $3 }'
}
pipe() { djpeg "$photo" | cjpeg -quality 20 -baseline >"$work/cjpeg.jpg"; }
batch() { rm -rf "$work/out"; mkdir "$work/out"; "$@" -q --batch "$work/out" "$work/in"; }

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
for photo in "${photos[@]}"; do
  echo
  echo "photo $photo ($(stat -c %s "$photo") bytes)"
  ours=() piped=() djpegs=() loads=() previews=()
  for _ in $(seq "$runs"); do
    ours+=("$(seconds "$converter" "$photo" "$work/sketch.jpg")")
    piped+=("$(seconds pipe)")
    djpegs+=("$(seconds djpeg -outfile /dev/null "$photo")")
    loads+=("$(bench_ms BM_ReadJpeg)")
    previews+=("$(bench_ms BM_LoadPicturePreview)")
  done
  o=$(median "${ours[@]}") p=$(median "${piped[@]}") d=$(median "${djpegs[@]}")
  l=$(median "${loads[@]}") v=$(median "${previews[@]}")
  echo "1. graphitine-sketch $o s, djpeg | cjpeg $p s: $(calc "$o / $p") x (goal <= 0.9)"
  if [ -n "$before" ]; then
    "$before" "$photo" "$work/before.jpg"
    cmp -s "$work/sketch.jpg" "$work/before.jpg" && echo "   same bytes as $before" \
      || echo "   DIFFERENT BYTES from $before"
  fi
  echo "2. LoadPicture $l ms, djpeg $(calc "$d * 1000") ms:" \
    "$(calc "$l / ($d * 1000)") x (goal <= 1.05)"

  mkdir -p "$work/in"
  rm -f "$work/in"/*
  for i in $(seq -w 1 20); do cp "$photo" "$work/in/photo$i.jpg"; done
  one=() two=() single=()
  for _ in $(seq "${BATCH_RUNS:-3}"); do
    one+=("$(seconds batch "$converter" --jobs 1)")
    two+=("$(seconds batch "$converter" --jobs 2)")
    single+=("$(seconds batch taskset -c 0 "$converter" --jobs 1)")
  done
  j1=$(median "${one[@]}") j2=$(median "${two[@]}") c1=$(median "${single[@]}")
  echo "3. batch of 20: --jobs 1 $j1 s, --jobs 2 $j2 s:" \
    "$(calc "$j1 / $j2") x the rate (goal >= 1.8);" \
    "--jobs 1 on one core $c1 s: $(calc "$c1 / $j2") x"
  echo "4. LoadPicturePreview (640 x 400) $v ms: $(calc "$v / $l") of LoadPicture (goal <= 0.17)"
done

build/bench/make_bench_photo smooth resources/J.jpg 6000 4000 "$work/24mp.bmp"
cjpeg -quality 92 -outfile "$work/24mp.jpg" "$work/24mp.bmp"
/usr/bin/time -f '%M' -o "$work/peak" "$converter" "$work/24mp.jpg" "$work/24mp-sketch.jpg"
echo
echo "peak resident memory converting a 6000 x 4000 photo: $(( $(cat "$work/peak") / 1024 )) MiB"
