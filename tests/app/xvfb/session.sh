# The shared part of the end-to-end tests, sourced by each: it restarts the test inside a
# virtual X server with a window manager (exit 77, a skip, when no X server can start), starts
# the real program, and gives the helpers that drive it with real input events.
#   source session.sh BIN_FOLDER ARGS...   (from a script run as SCRIPT BIN_FOLDER)
set -euo pipefail
[ -n "${GRAPHITINE_E2E_TRACE:-}" ] && set -x
bin=$(cd "$1" && pwd)
if [ -z "${GRAPHITINE_E2E_INSIDE:-}" ]; then
  export GRAPHITINE_E2E_INSIDE=1
  command -v xvfb-run >/dev/null || { echo "no xvfb-run: skipped" >&2; exit 77; }
  xvfb-run -a -s "-screen 0 1280x1024x24" true 2>/dev/null || { echo "no X server: skipped" >&2; exit 77; }
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

work=$(mktemp -d)
# The program remembers its dialogs' folders and writes its mail attachment in the user's
# configuration and cache folders: here the test's own, never the real ones.
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
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

"$bin/graphitine" >"$work/program.log" 2>&1 &
program=$!
window=$(xdotool search --sync --onlyvisible --name '^Graphitine' | head -1)
xdotool windowactivate --sync "$window" 2>/dev/null || true
sleep 1

# Clicks at a point of a window (the main window unless given), in the window's own pixels. As a
# user's click would, it brings the window forward first: a click that comes while a closing
# dialog still hands the focus back is otherwise lost.
click() {
  xdotool windowactivate --sync "${3:-$window}" 2>/dev/null || true
  xdotool mousemove --window "${3:-$window}" "$1" "$2" click 1
  sleep 0.5
}
# Waits (up to 30 s) until the command succeeds.
wait_for() {
  for _ in $(seq 300); do "$@" && return 0; sleep 0.1; done
  echo "timed out waiting for: $*" >&2
  return 1
}
# Types a file name into the dialog whose title matches (in place of what its name box held),
# confirms it, and waits until the dialog has gone.
answer_dialog() {
  local dialog
  dialog=$(xdotool search --sync --onlyvisible --name "$1" | head -1)
  xdotool windowactivate --sync "$dialog" 2>/dev/null || true
  sleep 0.5
  xdotool key ctrl+a  # the name box may hold the last name
  xdotool type --delay 10 "$2"
  xdotool key Return
  wait_for bash -c "! xdotool search --onlyvisible --name '$1' >/dev/null 2>&1"
}
# Closes the main window as a user's Alt+F4 would, and checks that the program ends with 0.
quit_program() {
  xdotool windowactivate --sync "$window" 2>/dev/null || true
  xdotool key alt+F4
  local status=0
  wait "$program" || status=$?
  program=""
  [ "$status" -eq 0 ] || { echo "graphitine ended with $status" >&2; exit 1; }
}
