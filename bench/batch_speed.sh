#!/usr/bin/env bash
# The batch window's run against the converter's --batch on the same folder of large photos
# (goal: the window's time within 1.10 x the converter's), and the longest the window's
# interface thread is blocked while the run converts them (goal: at most 50 ms), for each kind
# of photo:
#
#   bench/batch_speed.sh [COUNT [WIDTH HEIGHT]]
#
# COUNT photos (default 6) of WIDTH x HEIGHT (default 6000 x 4000, 24 megapixels): baseline
# ones, half of them bench/photos.sh's detailed photo and half its smooth one, then as many of
# its progressive photo. Both run with one item per core at once. A figure is the median of
# RUNS runs (default 3), the two run in turn; the outputs of the two are compared byte for byte.
# Needs build/bin/graphitine-sketch, build/bench/batch_window_run and what bench/photos.sh needs.
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-6}
width=${2:-6000}
height=${3:-4000}
runs=${RUNS:-3}
converter=build/bin/graphitine-sketch
window=build/bench/batch_window_run
for tool in "$converter" "$window"; do
  [ -x "$tool" ] || { echo "build $tool first (cmake --build build)" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

bench/photos.sh "$work/photos" "$width" "$height"
mkdir "$work/baseline" "$work/progressive"
for ((i = 0; i < count; i++)); do
  kind=$([ $((i % 2)) -eq 0 ] && echo detailed || echo smooth)
  cp "$work/photos/$kind.jpg" "$work/baseline/p$i.jpg"
  cp "$work/photos/progressive.jpg" "$work/progressive/p$i.jpg"
done

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
fresh() { rm -rf "$1"; mkdir "$1"; }

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
for kind in baseline progressive; do
  cli=() gui=() blocks=()
  load=$(cut -d' ' -f1 /proc/loadavg)
  for ((r = 0; r < runs; r++)); do
    fresh "$work/cli"
    TIMEFORMAT=%R
    cli+=("$({ time "$converter" -q --batch "$work/cli" "$work/$kind" >/dev/null 2>&1; } 2>&1)")
    fresh "$work/gui"
    report=$("$window" "$work/gui" "$work/$kind" 2>/dev/null)
    gui+=("$(awk '$1 == "seconds" { print $2 }' <<<"$report")")
    blocks+=("$(awk '$1 == "longest_block_ms" { print $2 }' <<<"$report")")
    diff -r "$work/cli" "$work/gui" >/dev/null || { echo "outputs differ" >&2; exit 1; }
  done
  c=$(median "${cli[@]}")
  g=$(median "${gui[@]}")
  echo
  echo "$count $kind photos of ${width}x${height}, median of $runs runs (outputs equal)" \
    "[load $load]:"
  echo "  graphitine-sketch --batch: ${c} s   (runs: ${cli[*]})"
  echo "  batch window run:          ${g} s   (runs: ${gui[*]})"
  awk "BEGIN { printf \"  window / converter: %.3f (goal <= 1.10)\n\", $g / $c }"
  echo "  longest interface-thread block: median $(median "${blocks[@]}") ms," \
    "runs: ${blocks[*]} (goal <= 50)"
done
