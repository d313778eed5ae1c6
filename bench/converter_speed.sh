#!/usr/bin/env bash
# Measures graphitine-sketch on a large photo against djpeg + cjpeg -quality 20 (the JPEG work
# alone), the rate of a 20-photo batch with --jobs 2 against --jobs 1, and the peak memory of
# converting a 24-megapixel photo.
#
#   bench/converter_speed.sh [PHOTO]
#
# GRAPHITINE_SKETCH names another converter to measure (an older build, for a comparison).
#
# Without PHOTO, a 5640 x 3172 photo is made from resources/J.jpg with ImageMagick (Debian
# imagemagick), which also makes the 24-megapixel photo. Times are the best of three runs, in
# seconds of wall clock.
set -euo pipefail
cd "$(dirname "$0")/.."
converter=${GRAPHITINE_SKETCH:-build/bin/graphitine-sketch}
[ -x "$converter" ] || { echo "build graphitine-sketch first" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

photo=${1:-}
if [ -z "$photo" ]; then
  photo=$work/large.jpg
  convert resources/J.jpg -resize '5640x3172!' -quality 92 "$photo"
fi

# best_of CMD...: the shortest wall time of three runs, in seconds.
best_of() {
  local best=""
  for _ in 1 2 3; do
    local start took
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    took=$(( $(date +%s%N) - start ))
    if [ -z "$best" ] || [ "$took" -lt "$best" ]; then best=$took; fi
  done
  awk -v ns="$best" 'BEGIN { printf "%.3f", ns / 1e9 }'
}
calc() { awk "BEGIN { printf \"%.3f\", $1 }"; }

echo "photo: $photo ($(identify -format '%wx%h' "$photo"))"
djpeg_time=$(best_of djpeg -outfile "$work/large.ppm" "$photo")
cjpeg_time=$(best_of cjpeg -quality 20 -outfile "$work/cjpeg.jpg" "$work/large.ppm")
ours_time=$(best_of "$converter" "$photo" "$work/sketch.jpg")
echo "djpeg $djpeg_time s + cjpeg $cjpeg_time s = $(calc "$djpeg_time + $cjpeg_time") s;" \
  "goal <= $(calc "1.25 * ($djpeg_time + $cjpeg_time)") s"
echo "graphitine-sketch $ours_time s: $(calc "$ours_time / ($djpeg_time + $cjpeg_time)") x djpeg + cjpeg"

mkdir -p "$work/in" "$work/one" "$work/two"
for i in $(seq -w 1 20); do cp "$photo" "$work/in/photo$i.jpg"; done
batch() { rm -rf "$work/$2"/*; "$converter" -q --jobs "$1" --batch "$work/$2" "$work/in"; }
one=$(best_of batch 1 one)
two=$(best_of batch 2 two)
echo "batch of 20: --jobs 1 $one s, --jobs 2 $two s: $(calc "$one / $two") x the rate (goal >= 1.7)"

convert "$photo" -resize '6000x4000!' -quality 92 "$work/24mp.jpg"
/usr/bin/time -f '%M' -o "$work/peak" "$converter" "$work/24mp.jpg" "$work/24mp-sketch.jpg"
echo "peak resident memory converting a 6000 x 4000 photo: $(( $(cat "$work/peak") / 1024 )) MiB"
