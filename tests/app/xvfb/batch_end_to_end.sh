#!/usr/bin/env bash
# The batch window in the real program under a virtual X server, driven by real input events:
# it ticks the batch box, adds a folder through the folder dialog, types the output folder,
# converts all, and every output must equal the command-line converter's --batch output.
#   batch_end_to_end.sh BIN_FOLDER
source "$(dirname "$0")/session.sh" "$@"

mkdir -p "$work/pictures/Sub" "$work/out" "$work/expected"
cp "$bin/J.jpg" "$work/pictures/first.jpg"
cp "$bin/J.jpg" "$work/pictures/Sub/Second.JPG"
"$bin/graphitine-sketch" "$bin/J.jpg" "$work/pictures/third.bmp"
"$bin/graphitine-sketch" -q --batch "$work/expected" "$work/pictures"

# The batch box (CheckBox1) in the main window's own pixels, skinned frame included.
click 30 378
batch=$(xdotool search --sync --onlyvisible --name '批量转换' | head -1)
xdotool windowactivate --sync "$batch" 2>/dev/null || true
sleep 0.5
# The batch window's controls in its own pixels: the add button (Button2), the output folder
# (Edit1), the convert-all button (Button3).
click 63 45 "$batch"
answer_dialog '请选择一个目录' "$work/pictures"
click 79 249 "$batch"
xdotool type --delay 10 "$work/out"
click 55 286 "$batch"

count=$(ls "$work/expected" | wc -l)
wait_for bash -c "[ \$(ls '$work/out' | wc -l) -eq $count ]"
if ! diff -r "$work/out" "$work/expected"; then
  echo "the batch window's outputs differ from the converter's" >&2
  cat "$work/program.log" >&2
  exit 1
fi

quit_program
echo "batch end-to-end: $count outputs equal the converter's --batch"
