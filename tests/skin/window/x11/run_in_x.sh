#!/usr/bin/env bash
# run_in_x.sh PROGRAM: runs PROGRAM in a private X server (Xvfb, 1024 × 768) under the openbox
# window manager, so that windows can be moved, resized, maximized and typed at with real input.
# Exits 77, which CTest counts as skipped, where a tool is missing or no X server can start.
set -u
program=$1
for tool in xvfb-run Xvfb openbox xdotool xwininfo xprop; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIPPED: $tool is not installed (scripts/setup installs it)"
    exit 77
  fi
done
here=$(cd "$(dirname "$0")" && pwd)
started=$(mktemp)
rm -f "$started"
trap 'rm -f "$started"' EXIT
X_STARTED=$started xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$here/in_session.sh" "$program"
status=$?
if [ ! -e "$started" ]; then
  echo "SKIPPED: no X server could be started here (xvfb-run exit status $status)"
  exit 77
fi
exit $status
