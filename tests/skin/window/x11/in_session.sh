#!/usr/bin/env bash
# Inside the X session: starts openbox, waits until it manages the screen, runs the program.
set -u
touch "$X_STARTED"
here=$(cd "$(dirname "$0")" && pwd)
openbox --config-file "$here/openbox-rc.xml" >/dev/null 2>&1 &
wm=$!
for _ in $(seq 200); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.05
done
"$1"
status=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
exit $status
