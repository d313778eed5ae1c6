#!/usr/bin/env bash
# The real program in a virtual X server with a window manager, driven by real input events:
# it opens a photo through the Open dialog, converts it, saves the sketch through the Save
# dialog, and the saved file must equal the command-line converter's sketch of the same photo.
#   end_to_end.sh BIN_FOLDER
set -euo pipefail
[ -n "${GRAPHITINE_E2E_TRACE:-}" ] && set -x
bin=$(cd "$1" && pwd)
if [ -z "${GRAPHITINE_E2E_INSIDE:-}" ]; then
  export GRAPHITINE_E2E_INSIDE=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

work=$(mktemp -d)
program=""
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null || true
  [ -n "${manager:-}" ] && kill "$manager" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
unset QT_QPA_PLATFORM
openbox >/dev/null 2>&1 &
manager=$!
sleep 1

cp "$bin/J.jpg" "$work/photo.jpg"
"$bin/graphitine" >"$work/program.log" 2>&1 &
program=$!
window=$(xdotool search --sync --onlyvisible --name '^Graphitine' | head -1)
xdotool windowactivate --sync "$window" 2>/dev/null || true
sleep 1

# Clicks at a point of the main window, in the window's own pixels.
click() {
  xdotool mousemove --window "$window" "$1" "$2" click 1
  sleep 0.5
}
# Waits (up to 30 s) until the command succeeds.
wait_for() {
  for _ in $(seq 300); do "$@" && return 0; sleep 0.1; done
  echo "timed out waiting for: $*" >&2
  return 1
}
# Types a file name into the dialog whose title is given, confirms it, and waits until the
# dialog has gone.
answer_dialog() {
  local dialog
  dialog=$(xdotool search --sync --onlyvisible --name "^$1\$" | head -1)
  xdotool windowactivate --sync "$dialog" 2>/dev/null || true
  sleep 0.5
  xdotool type --delay 10 "$2"
  xdotool key Return
  wait_for bash -c "! xdotool search --onlyvisible --name '^$1\$' >/dev/null 2>&1"
}

# The buttons' centres in the window's own pixels, skinned frame included: Open (Button2),
# Convert (Button3), Save (Button5).
click 43 445
answer_dialog Open "$work/photo.jpg"
click 192 446
click 650 406
answer_dialog 'Save As' "$work/sketch"   # the dialog starts on Bitmaps: sketch.bmp
wait_for test -s "$work/sketch.bmp"

"$bin/graphitine-sketch" "$work/photo.jpg" "$work/expected.bmp"
if ! cmp "$work/sketch.bmp" "$work/expected.bmp"; then
  echo "the saved sketch differs from the converter's" >&2
  cat "$work/program.log" >&2
  exit 1
fi

# The window manager closes the active window, as a user's Alt+F4 would.
xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool key alt+F4
status=0
wait "$program" || status=$?
program=""
[ "$status" -eq 0 ] || { echo "graphitine ended with $status" >&2; exit 1; }
echo "end-to-end: the saved sketch equals the converter's"
