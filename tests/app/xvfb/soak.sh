#!/usr/bin/env bash
# Soaks the real program (best a sanitizer build) under a virtual X server with a window
# manager, driven by real input events, and checks that it stays alive, that no sanitizer
# reports, that its interface thread is never held up longer than a limit, and (rounds) that its
# memory does not grow round after round. Not part of the test run: a tool for long runs.
#   soak.sh BIN_FOLDER random SECONDS   random clicks, drags, double clicks, Ctrl-held moves,
#                                       wheel turns and keys over every window the program opens
#   soak.sh BIN_FOLDER rounds COUNT     open -> convert -> retouch -> save -> batch of 5, COUNT
#                                       times; memory after round 200 (or the last) within 10 %
#                                       of round 20
# Environment: SOAK_SEED (random's seed), SOAK_STALL_MS (the stall limit, 200), SOAK_KEEP (a
# folder that receives the program's log and the figures). Run as root, it drops to the user
# nobody first, so that random typing into a file dialog cannot write outside the scratch folders.
# Nothing here reads the windows' captions: windows are told apart by appearing, places are the
# windows' own pixels.
set -euo pipefail
[ -n "${GRAPHITINE_E2E_TRACE:-}" ] && set -x
usage() {
  echo "usage: soak.sh BIN_FOLDER random SECONDS | soak.sh BIN_FOLDER rounds COUNT" >&2
  exit 2
}
[ $# -eq 3 ] || usage
bin=$(cd "$1" && pwd)
mode=$2
amount=$3
[[ "$mode" =~ ^(random|rounds)$ && "$amount" =~ ^[0-9]+$ ]] || usage
here=$(cd "$(dirname "$0")" && pwd)
stall_ms=${SOAK_STALL_MS:-200}

if [ "$(id -u)" = 0 ] && [ -z "${GRAPHITINE_SOAK_DROPPED:-}" ]; then
  export GRAPHITINE_SOAK_DROPPED=1
  [ -n "${SOAK_KEEP:-}" ] && mkdir -p "$SOAK_KEEP" && chmod 777 "$SOAK_KEEP"
  exec setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env \
    env PATH="$PATH" SOAK_SEED="${SOAK_SEED:-}" SOAK_STALL_MS="$stall_ms" \
    SOAK_KEEP="${SOAK_KEEP:-}" GRAPHITINE_E2E_TRACE="${GRAPHITINE_E2E_TRACE:-}" \
    ASAN_OPTIONS="${ASAN_OPTIONS:-}" \
    "$0" "$@"
fi
if [ -z "${GRAPHITINE_E2E_INSIDE:-}" ]; then
  export GRAPHITINE_E2E_INSIDE=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

work=$(mktemp -d)
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_CACHE_HOME=$work/home/.cache
mkdir -p "$HOME" "$work/fake" "$work/photos" "$work/batch" "$work/out/batch" "$work/log"
log=$work/log/program.log
program=""
manager=""
finish() {
  local status=$?
  [ -n "$program" ] && kill "$program" 2>/dev/null
  [ -n "$manager" ] && kill "$manager" 2>/dev/null
  if [ -n "${SOAK_KEEP:-}" ]; then
    cp "$log" "$SOAK_KEEP/program-$mode.log" 2>/dev/null || true
    cp "$work/figures" "$SOAK_KEEP/figures-$mode" 2>/dev/null || true
  fi
  chmod 755 "$work/log" 2>/dev/null
  rm -rf "$work"
  exit $status
}
trap finish EXIT
fail() {
  echo "soak: $*" >&2
  [ -n "${SOAK_KEEP:-}" ] && command -v import >/dev/null &&
    import -window root "$SOAK_KEEP/failure-$mode.png" 2>/dev/null
  tail -n 40 "$log" >&2 || true
  exit 1
}
note() { echo "$*" | tee -a "$work/figures"; }

# The paint and mail programs the program hands pictures to: stand-ins that note their
# arguments and end at once.
for name in kolourpaint pinta gimp mtpaint xdg-open xdg-email; do
  printf '#!/bin/sh\nprintf "%%s\\n" "$0 $*" >> %s/handed-off\n' "$work" >"$work/fake/$name"
  chmod +x "$work/fake/$name"
done
export PATH=$work/fake:$PATH

cp "$bin/J.jpg" "$work/photos/photo.jpg"
"$bin/graphitine-sketch" -q "$bin/J.jpg" "$work/photos/photo.bmp"
for i in 1 2 3 4 5; do cp "$bin/J.jpg" "$work/batch/item$i.jpg"; done

# AddressSanitizer holds freed blocks back (256 MB by default) to catch late uses: that
# quarantine would fill during the first rounds and read as growth, so it is kept small enough to
# be full long before round 20.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:quarantine_size_mb=16}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=suppressions=$here/../../skin/window/x11/lsan.supp
export GRAPHITINE_WATCHDOG_MS=$stall_ms
unset QT_QPA_PLATFORM
openbox >/dev/null 2>&1 &
manager=$!
sleep 1
cd "$work/home"
: >"$log"  # made before its folder is shut below, whichever runs first
"$bin/graphitine" "$work/photos/photo.jpg" >"$log" 2>&1 &
program=$!
# The file dialogs can delete files where the user may write: the log's folder is shut.
chmod 555 "$work/log"
window=$(xdotool search --sync --onlyvisible --pid "$program" | head -1)
xdotool windowactivate --sync "$window" 2>/dev/null || true
sleep 1

alive() {
  kill -0 "$program" 2>/dev/null && return 0
  local status=0
  wait "$program" || status=$?
  program=""
  fail "the program ended with $status"
}
# The program's visible windows at least WIDTHxHEIGHT big, one "id x y width height" a line.
windows() {
  local id geometry
  for id in $(xdotool search --onlyvisible --pid "$program" 2>/dev/null); do
    geometry=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null) || continue
    eval "$geometry"
    [ "$WIDTH" -ge "$1" ] && [ "$HEIGHT" -ge "$2" ] && echo "$id $X $Y $WIDTH $HEIGHT"
  done
  return 0
}
# Waits (up to 60 s) until the command succeeds.
wait_for() {
  for _ in $(seq 600); do "$@" && return 0; alive; sleep 0.1; done
  fail "timed out waiting for: $*"
}
click() {
  # As a user's click would, it brings the window forward first: a click that arrives while a
  # dialog is still handing the focus back is otherwise lost.
  xdotool windowactivate --sync "${3:-$window}" 2>/dev/null || true
  xdotool mousemove --window "${3:-$window}" "$1" "$2" click 1
  sleep 0.3
}
# Leaves out of a list of windows the notices, which come by themselves (a batch run's end) and
# keep off the task bar.
not_notices() {
  local id
  while read -r id; do
    xprop -id "$id" _NET_WM_STATE 2>/dev/null | grep -q SKIP_TASKBAR || echo "$id"
  done
}
# The window (a dialog, the batch window) that a click at a point of a window opens.
opened_by_click() {
  local before
  before=$(windows 150 100 | cut -d' ' -f1)
  click "$@"
  local id=""
  for _ in $(seq 600); do
    id=$(windows 150 100 | cut -d' ' -f1 | grep -vxF "$before" | not_notices | head -1) || true
    [ -n "$id" ] && break
    alive
    sleep 0.1
  done
  [ -n "$id" ] || fail "no window opened by a click at $1,$2"
  xdotool windowactivate --sync "$id" 2>/dev/null || true
  sleep 0.3
  echo "$id"
}
# Types into the dialog, confirms, and waits until it has gone. A Return that the file name's
# completion list took is given again.
answer() {
  xdotool type --delay 5 "$2"
  for _ in $(seq 30); do
    sleep 0.3
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && xdotool key Return
    for _ in $(seq 10); do gone "$1" && return 0; alive; sleep 0.2; done
  done
  fail "the dialog $1 stayed open"
}
gone() { ! xdotool search --onlyvisible --pid "$program" 2>/dev/null | grep -qx "$1"; }
rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$program/status"; }
stalls() { grep -c 'interface thread .*blocked' "$log" || true; }
longest_stall() {
  grep -o 'blocked for [0-9]* ms' "$log" | awk '{print $3}' | sort -n | tail -1
}
sanitizer_report() {
  grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:|WARNING: ThreadSanitizer' \
    "$log"
}
check_clean() {
  alive
  sanitizer_report && fail "a sanitizer report"
  return 0
}

# The main window's places in its own pixels, skinned frame included.
open_button=(43 445)
convert_button=(192 446)
save_button=(650 406)
batch_box=(30 378)
automatic_tab=(140 343)
manual_tab=(205 343)
sketch_view=(480 150)
# The batch window's: the add button, the output folder, convert all.
add_button=(63 45)
output_edit=(79 249)
convert_all=(55 286)

# The batch window keeps its list and output folder from one round to the next: the folder of
# five photos is added and the output folder typed in the first round only.
one_round() {
  local round=$1 out=$work/out dialog batch
  dialog=$(opened_by_click "${open_button[@]}")
  if ((round % 2)); then answer "$dialog" "$work/photos/photo.bmp"; else answer "$dialog" "$work/photos/photo.jpg"; fi
  click "${convert_button[@]}"
  # Retouching on the manual page: strokes drawn with Ctrl held.
  click "${manual_tab[@]}"
  xdotool mousemove --window "$window" "${sketch_view[@]}" keydown ctrl mousedown 1
  for step in 1 2 3 4 5 6; do
    xdotool mousemove --window "$window" $((sketch_view[0] + 8 * step)) $((sketch_view[1] + 5 * step))
    sleep 0.05
  done
  xdotool mouseup 1 keyup ctrl
  click "${automatic_tab[@]}"
  dialog=$(opened_by_click "${save_button[@]}")
  answer "$dialog" "$out/sketch$round"
  wait_for bash -c "ls '$out' | grep -q '^sketch$round\\.'"
  batch=$(opened_by_click "${batch_box[@]}")
  if [ "$round" -eq 1 ]; then
    dialog=$(opened_by_click "${add_button[@]}" "$batch")
    answer "$dialog" "$work/batch"
    click "${output_edit[@]}" "$batch"
    xdotool type --delay 5 "$out/batch"
  fi
  click "${convert_all[@]}" "$batch"
  wait_for bash -c "[ \$(ls '$out/batch' | grep -c '\\.') -ge 5 ]"
  sleep 0.5
  local written
  written=$(ls "$out/batch" | wc -l)
  [ "$written" -eq 5 ] || fail "round $round: the batch wrote $written files, not 5"
  # Unticking the box hides the batch window; under load the click can come while the run is
  # still ending and be refused, so it is given again after a while.
  for _ in 1 2 3 4 5 6; do
    click "${batch_box[@]}"
    for _ in $(seq 50); do gone "$batch" && break 2; sleep 0.1; done
  done
  gone "$batch" || fail "round $round: the batch window stayed open"
  rm -f "$out"/sketch* "$out"/batch/*
  check_clean
}

rounds() {
  local first=20 last=200 started=$SECONDS rss_first="" rss_last=""
  [ "$amount" -lt "$last" ] && last=$amount
  [ "$last" -lt "$first" ] && first=$last
  for round in $(seq "$amount"); do
    one_round "$round"
    [ "$round" -eq "$first" ] && rss_first=$(rss_kb) && note "round $round: RSS ${rss_first} kB"
    [ "$round" -eq "$last" ] && rss_last=$(rss_kb) && note "round $round: RSS ${rss_last} kB"
    ((round % 20)) || note "round $round: RSS $(rss_kb) kB, $((SECONDS - started)) s"
    ((round % 10)) || echo "soak: round $round of $amount ($((SECONDS - started)) s)"
  done
  note "rounds: $amount in $((SECONDS - started)) s"
  if [ "$amount" -ge 2 ] && [ "$rss_last" -gt $((rss_first * 110 / 100)) ]; then
    fail "memory grew from ${rss_first} kB (round $first) to ${rss_last} kB (round $last)"
  fi
}

# Closes a window other than the main one with Escape or Alt+F4, as a user would; only once it
# has the focus, so that the keys never reach the main window.
close_window() {
  xdotool windowactivate --sync "$1" 2>/dev/null || return 0
  [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] || return 0
  if ((RANDOM % 2)); then xdotool key Escape; else xdotool key alt+F4; fi
}
# One random action over one of the program's windows; a window other than the main one is
# closed now and then, with Escape or Alt+F4, as a user would.
keys=(Tab shift+Tab Return Escape space Up Down Left Right Home End Page_Up Page_Down Delete
  BackSpace a z 1 7 0 ctrl+a ctrl+c ctrl+v alt+o alt+s alt+c F1 plus minus)
random_action() {
  local list id x y w h px py action
  mapfile -t list < <(windows 40 20)
  [ ${#list[@]} -gt 0 ] || { alive; return 0; }
  read -r id x y w h <<<"${list[RANDOM % ${#list[@]}]}"
  if [ "$id" != "$window" ] && ((RANDOM % 25 == 0)); then
    close_window "$id"
    return 0
  fi
  px=$((RANDOM % w))
  py=$((RANDOM % h))
  action=$((RANDOM % 10))
  # On the main window's title bar only drags: its buttons and system menu would end the run.
  if [ "$id" = "$window" ] && [ "$py" -lt 24 ] && [ "$action" -ne 4 ]; then return 0; fi
  xdotool mousemove --window "$id" "$px" "$py" 2>/dev/null || return 0
  case $action in
    0 | 1 | 2) xdotool click 1 ;;
    3) xdotool click --repeat 2 --delay 80 1 ;;
    4) xdotool mousedown 1 mousemove_relative -- $((RANDOM % 200 - 100)) $((RANDOM % 200 - 100)) \
      sleep 0.1 mouseup 1 ;;
    5) xdotool keydown ctrl mousemove_relative -- $((RANDOM % 60 - 30)) $((RANDOM % 60 - 30)) \
      click 1 keyup ctrl ;;
    6) xdotool click $((4 + RANDOM % 2)) ;;
    7) xdotool click 3 ;;
    *) [ "$id" = "$window" ] || xdotool windowactivate "$id" 2>/dev/null || true
       xdotool key "${keys[RANDOM % ${#keys[@]}]}" ;;
  esac
}

random() {
  local started=$SECONDS actions=0
  RANDOM=${SOAK_SEED:-$$}
  note "random: seed ${SOAK_SEED:-$$}"
  while ((SECONDS - started < amount)); do
    random_action 2>/dev/null || true
    alive
    actions=$((actions + 1))
    sleep 0.05
    ((actions % 50)) || check_clean
    ((actions % 1000)) || echo "soak: $actions actions ($((SECONDS - started)) s)"
  done
  note "random: $actions actions in $((SECONDS - started)) s, RSS $(rss_kb) kB at the end"
}

"$mode"
check_clean
# Ends the program as a user would; leaks are reported as it exits. Dialogs still open are
# closed first.
for _ in 1 2 3 4 5; do
  for id in $(windows 150 100 | cut -d' ' -f1 | grep -vx "$window"); do
    close_window "$id"
  done
  sleep 0.5
done
xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool key alt+F4
status=0
for _ in $(seq 600); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
wait "$program" || status=$?
program=""
sanitizer_report && fail "a sanitizer report"
[ "$status" -eq 0 ] || fail "the program ended with $status"
note "stalls over $stall_ms ms: $(stalls), longest $(longest_stall) ms"
[ "$(stalls)" -eq 0 ] || fail "the interface thread was held up longer than $stall_ms ms"
note "soak $mode: passed"
