#!/usr/bin/env bash
# The real program in a virtual X server with a window manager, driven by real input events:
# it opens a photo through the Open dialog, converts it, erases a stroke on the manual page and
# takes it back with Ctrl+Z, and saves the sketch through the Save dialog: the saved file must
# equal the command-line converter's sketch of the same photo. Then the real-scale viewer opens
# on the photo and on the sketch: its client area must be the picture's size with its title bar
# on screen, and show the picture pixel for pixel.
#   end_to_end.sh BIN_FOLDER
source "$(dirname "$0")/session.sh" "$@"

cp "$bin/J.jpg" "$work/photo.jpg"
"$bin/graphitine-sketch" "$work/photo.jpg" "$work/expected.bmp"

# Points in the window's own pixels, skinned frame included: Open (Button2), Convert (Button3),
# Save (Button5), the two pages' tabs, the eraser (RadioButton2), and the photo and sketch
# views of the 1000 x 625 photo.
open_button=(43 445)
convert_button=(192 446)
save_button=(650 406)
automatic_tab=(135 343)
manual_tab=(205 343)
eraser=(360 462)
photo_view=(175 175)
sketch_view=(520 175)

save_as() {
  click "${save_button[@]}"
  answer_dialog '^Save As$' "$1"  # the dialog starts on Bitmaps
  wait_for test -s "$1.bmp"
}

click "${open_button[@]}"
answer_dialog '^Open$' "$work/photo.jpg"
click "${convert_button[@]}"
click "${manual_tab[@]}"
click "${eraser[@]}"
xdotool mousemove --window "$window" 420 120 mousedown 1
for x in 440 460 480 500 520 540 560 580 600; do
  xdotool mousemove --window "$window" "$x" 180
  sleep 0.05
done
xdotool mouseup 1
sleep 0.5
save_as "$work/erased"
if cmp -s "$work/erased.bmp" "$work/expected.bmp"; then
  echo "the stroke erased nothing" >&2
  exit 1
fi
xdotool key ctrl+z
sleep 0.5
save_as "$work/sketch"
if ! cmp "$work/sketch.bmp" "$work/expected.bmp"; then
  echo "the sketch saved after Ctrl+Z differs from the converter's" >&2
  cat "$work/program.log" >&2
  exit 1
fi

# Double-clicks the view, checks the viewer's client area against the picture file, closes it.
check_viewer() {
  xdotool mousemove --window "$window" "$1" "$2" click --repeat 2 --delay 80 1
  local viewer
  viewer=$(xdotool search --sync --onlyvisible --name '^Real  scale$' | head -1)
  sleep 1
  local x y width height top want
  x=$(xwininfo -id "$viewer" | sed -n 's/.*Absolute upper-left X: *//p')
  y=$(xwininfo -id "$viewer" | sed -n 's/.*Absolute upper-left Y: *//p')
  width=$(xwininfo -id "$viewer" | sed -n 's/.*Width: *//p')
  height=$(xwininfo -id "$viewer" | sed -n 's/.*Height: *//p')
  top=$(xprop -id "$viewer" _NET_FRAME_EXTENTS | sed 's/.*= *//' | cut -d, -f3 | tr -d ' ')
  want=$(identify -format '%w x %h' "$3")
  if [ "$width x $height" != "$want" ] || [ "$top" -le 0 ] || [ "$y" -lt "$top" ]; then
    echo "viewer of $3: client $width x $height at $x,$y with a title bar of $top" >&2
    exit 1
  fi
  import -window root "$work/screen.png"
  convert "$work/screen.png" -crop "${width}x${height}+${x}+${y}" +repage "$work/shown.png"
  local differing
  differing=$(compare -metric AE "$work/shown.png" "$3" null: 2>&1 || true)
  if [ "$differing" != "0" ]; then
    echo "the viewer shows $differing pixels of $3 otherwise" >&2
    exit 1
  fi
  xdotool key Escape  # the viewer has the focus
  wait_for bash -c "! xdotool search --onlyvisible --name '^Real  scale$' >/dev/null 2>&1"
}
click "${automatic_tab[@]}"  # where a double-click on the sketch paints nothing
check_viewer "${photo_view[@]}" "$work/photo.jpg"
check_viewer "${sketch_view[@]}" "$work/sketch.bmp"

quit_program
echo "end-to-end: Ctrl+Z took the stroke back, the saved sketch equals the converter's, the viewer shows both at real scale"
