#!/usr/bin/env bash
# The real program in a virtual X server with a window manager, driven by real input events:
# it opens a photo through the Open dialog, converts it, saves the sketch through the Save
# dialog, and the saved file must equal the command-line converter's sketch of the same photo.
#   end_to_end.sh BIN_FOLDER
source "$(dirname "$0")/session.sh" "$@"

cp "$bin/J.jpg" "$work/photo.jpg"

# The buttons' centres in the window's own pixels, skinned frame included: Open (Button2),
# Convert (Button3), Save (Button5).
click 43 445
answer_dialog '^Open$' "$work/photo.jpg"
xdotool windowactivate --sync "$window" 2>/dev/null || true
sleep 1
click 192 446
click 650 406
answer_dialog '^Save As$' "$work/sketch"   # the dialog starts on Bitmaps: sketch.bmp
wait_for test -s "$work/sketch.bmp"

"$bin/graphitine-sketch" "$work/photo.jpg" "$work/expected.bmp"
if ! cmp "$work/sketch.bmp" "$work/expected.bmp"; then
  echo "the saved sketch differs from the converter's" >&2
  cat "$work/program.log" >&2
  exit 1
fi

quit_program
echo "end-to-end: the saved sketch equals the converter's"
