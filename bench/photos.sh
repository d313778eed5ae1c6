#!/usr/bin/env bash
# Makes the large photos the speed figures are measured on, from the start picture:
#
#   bench/photos.sh FOLDER [WIDTH HEIGHT]
#
# FOLDER/detailed.jpg: resources/J.jpg enlarged to WIDTH x HEIGHT (default 5640 x 3172) with
# texture and grain added, so that it compresses about as poorly as a sharp camera photo;
# FOLDER/smooth.jpg: the same enlargement alone, large areas of slow shading. Both are stored
# as a camera stores them: baseline (no progressive scans), quality 92, colour sampled 2 x 1.
# FOLDER/progressive.jpg: the detailed picture as photos from the web and many cameras' export
# store it: progressive, quality 100, cjpeg's default sampling (2 x 2).
# Needs build/bench/make_bench_photo (cmake --build build --target make_bench_photo) and cjpeg
# (Debian libjpeg-turbo-progs, which scripts/setup installs).
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:?usage: bench/photos.sh FOLDER [WIDTH HEIGHT]}
width=${2:-5640}
height=${3:-3172}
maker=build/bench/make_bench_photo
if [ ! -x "$maker" ]; then
  echo "build make_bench_photo first: cmake --build build --target make_bench_photo" >&2
  exit 1
fi
mkdir -p "$folder"
for kind in detailed smooth; do
  "$maker" "$kind" resources/J.jpg "$width" "$height" "$folder/$kind.bmp"
  cjpeg -quality 92 -sample 2x1 -baseline -outfile "$folder/$kind.jpg" "$folder/$kind.bmp"
done
cjpeg -quality 100 -progressive -outfile "$folder/progressive.jpg" "$folder/detailed.bmp"
rm "$folder"/detailed.bmp "$folder"/smooth.bmp
