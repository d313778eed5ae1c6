#!/usr/bin/env bash
# `cmake --install` of the build into a fresh folder gives the installed tree it must.
#   install_tree.sh BUILD_FOLDER SOURCE_FOLDER VERSION
set -euo pipefail
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$1" --prefix "$root/usr" >/dev/null
"$(dirname "$0")/installed_tree.sh" "$root" "$2" "$3"
