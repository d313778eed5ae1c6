#!/usr/bin/env bash
# The Debian package on a brand-new Debian 12, as a user gets it: makes it (scripts/package),
# takes away every package that making it brought in, installs it with apt-get, so that its own
# dependencies must bring what it needs, and tries the installed programs: the converter from
# /usr/bin, the version without a display, and the program under Xvfb as the desktop starts it.
# It removes packages, so it runs only on a machine made for it:
#   ../shared/tools/fresh-machine 'tests/resources/package_trial.sh --on-a-fresh-machine'
set -euo pipefail
cd "$(dirname "$0")/../.."
if [ "${1:-}" != "--on-a-fresh-machine" ] || [ "$(id -u)" -ne 0 ]; then
  echo "usage (as root, on a brand-new machine): $0 --on-a-fresh-machine" >&2
  exit 2
fi
export DEBIAN_FRONTEND=noninteractive
installed() { dpkg-query -W -f '${db:Status-Abbrev} ${Package}\n' | awk '$1 == "ii" {print $2}' | sort; }

before=$(mktemp)
installed >"$before"
scripts/package
comm -13 "$before" <(installed) | xargs -r apt-get purge -y -qq >/dev/null
echo "package trial: removed what making the package brought in; installing it"
(cd build && apt-get install -y -qq ./graphitine_*_amd64.deb >/dev/null)

[ "$(command -v graphitine-sketch)" = /usr/bin/graphitine-sketch ]
work=$(mktemp -d)
graphitine-sketch /usr/share/graphitine/J.jpg "$work/sketch.jpg"
[ -s "$work/sketch.jpg" ]
graphitine --version

apt-get install -y -qq --no-install-recommends xvfb xauth xdotool >/dev/null
status=0
tests/app/xvfb/start_from_desktop.sh /usr/bin /usr/share/applications/graphitine.desktop ||
  status=$?
[ "$status" -eq 0 ] || { echo "package trial: the program did not start as it must" >&2; exit 1; }
echo "package trial: installed with apt-get; graphitine-sketch and graphitine work from /usr/bin"
