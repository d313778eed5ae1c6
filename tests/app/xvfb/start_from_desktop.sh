#!/usr/bin/env bash
# The real program started as a desktop starts it, in a virtual X server: by the desktop
# entry's command with a photo for %f, and bare. Bare or with a photo it opens its main window
# and nothing else (it found its start picture, or opened the photo); with a photo that cannot
# be read it shows a message box first, and its main window once that is closed.
#   start_from_desktop.sh BIN_FOLDER DESKTOP_ENTRY
set -euo pipefail
bin=$(cd "$1" && pwd)
entry=$(realpath "$2")
if [ -z "${GRAPHITINE_START_INSIDE:-}" ]; then
  export GRAPHITINE_START_INSIDE=1
  command -v xvfb-run >/dev/null || { echo "no xvfb-run: skipped" >&2; exit 77; }
  xvfb-run -a true 2>/dev/null || { echo "no X server: skipped" >&2; exit 77; }
  # -noreset: the server would reset whenever one program ends, and refuse the next meanwhile.
  exec xvfb-run -a -s "-noreset -screen 0 1280x1024x24" "$0" "$@"
fi
unset QT_QPA_PLATFORM

work=$(mktemp -d)
# The program remembers its dialogs' folders and writes its mail attachment in the user's
# configuration and cache folders: here the test's own, never the real ones.
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
program=""
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Any picture will do as the photo: the converter's sketch of the start picture, which lies
# beside the programs in a build and in share/graphitine when installed.
data=$bin
[ -f "$data/J.jpg" ] || data=$bin/../share/graphitine
"$bin/graphitine-sketch" "$data/J.jpg" "$work/photo.bmp"

# Starts the entry's command with the file for %f; the program is taken from BIN_FOLDER.
start_entry() {
  local words=() word
  read -ra words <<<"$(sed -n 's/^Exec=//p' "$entry")"
  local command=("$bin/${words[0]}")
  for word in "${words[@]:1}"; do
    [ "$word" = "%f" ] && command+=("$1") || command+=("$word")
  done
  start "${command[@]}"
}
start() {
  "$@" >"$work/program.log" 2>&1 &
  program=$!
}
stop() {
  kill "$program"
  wait "$program" 2>/dev/null || true
  program=""
}
fail() {
  echo "$1" >&2
  cat "$work/program.log" >&2
  exit 1
}

# The program's visible windows, one "WINDOW WIDTH" a line.
windows() {
  local window
  for window in $(xdotool search --onlyvisible --pid "$program" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$window")"
    echo "$window $WIDTH"
  done
}
# Waits (up to 30 s) for the program's first window: sets window and width. The main window is
# at least 690 pixels wide, a message box narrower.
first_window() {
  local shown
  for _ in $(seq 300); do
    shown=$(windows)
    if [ -n "$shown" ]; then
      read -r window width <<<"$shown"
      return 0
    fi
    sleep 0.1
  done
  fail "$1: no window of the program showed"
}
expect_main_window_only() {
  first_window "$1"
  [ "$width" -ge 690 ] || fail "$1: a window $width pixels wide instead of the main window"
  sleep 1
  [ "$(windows | wc -l)" -eq 1 ] || fail "$1: more than the main window showed: $(windows)"
}

start "$bin/graphitine"
expect_main_window_only "bare"
stop

start_entry "$work/photo.bmp"
expect_main_window_only "from the entry with a photo"
stop

start_entry "$work/missing.jpg"
first_window "with a missing photo"
[ "$width" -lt 690 ] || fail "with a missing photo: the main window showed without a message"
xdotool windowfocus --sync "$window" key Return
expect_main_window_only "after the message on a missing photo"
stop
echo "started from the desktop: bare, with a photo, and with a missing photo"
