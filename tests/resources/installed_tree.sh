#!/usr/bin/env bash
# An installed Graphitine under ROOT/usr, from `cmake --install` or from the Debian package:
# exactly the programs, their data, the desktop entry, icon and metainfo, the manual pages and
# the licences and changes; the files as in the sources; the desktop files valid; and the
# programs working from there as a desktop starts them.
#   installed_tree.sh ROOT SOURCE_FOLDER VERSION
set -euo pipefail
root=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
version=$3
usr=$root/usr
fail() {
  echo "$*" >&2
  exit 1
}

expected=(
  bin/graphitine
  bin/graphitine-sketch
  share/applications/graphitine.desktop
  share/doc/graphitine/changelog.gz
  share/doc/graphitine/copyright
  share/graphitine/J.jpg
  share/icons/hicolor/scalable/apps/graphitine.svg
  share/man/man1/graphitine-sketch.1.gz
  share/man/man1/graphitine.1.gz
  share/metainfo/org.graphitine.graphitine.metainfo.xml
)
for texture in "$source"/resources/texture/*; do
  expected+=("share/graphitine/texture/$(basename "$texture")")
done
diff -u <(printf '%s\n' "${expected[@]}" | sort) <(cd "$usr" && find . ! -type d | sed 's|^\./||' | sort) ||
  fail "the installed files differ from the expected ones (- expected, + installed)"

same() { cmp -s "$source/resources/$1" "$usr/$2" || fail "$usr/$2 differs from resources/$1"; }
same J.jpg share/graphitine/J.jpg
for texture in "$source"/resources/texture/*; do
  same "texture/$(basename "$texture")" "share/graphitine/texture/$(basename "$texture")"
done
same desktop/graphitine.desktop share/applications/graphitine.desktop
same desktop/graphitine.svg share/icons/hicolor/scalable/apps/graphitine.svg
same desktop/org.graphitine.graphitine.metainfo.xml share/metainfo/org.graphitine.graphitine.metainfo.xml
same package/copyright share/doc/graphitine/copyright
cmp -s <(gzip -dc "$usr/share/doc/graphitine/changelog.gz") "$source/resources/package/changelog" ||
  fail "the installed changelog differs from resources/package/changelog"
# Each manual page names its version and every option its program's --help lists.
for page in graphitine graphitine-sketch; do
  text=$(gzip -dc "$usr/share/man/man1/$page.1.gz")
  [[ $(sed -n 1p <<<"$text") == .TH*\"Graphitine\ $version\"* ]] ||
    fail "the manual page of $page does not name version $version"
  for option in $(env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/$page" --help 2>/dev/null |
    grep -o -- '--[a-z-]*' | sort -u); do
    grep -qF -- "${option//-/\\-}" <<<"$text" ||
      fail "the manual page of $page does not describe $option"
  done
done

# The validators, where the machine has them (scripts/setup installs them).
if command -v desktop-file-validate >/dev/null; then
  report=$(desktop-file-validate "$usr/share/applications/graphitine.desktop" 2>&1) || true
  [ -z "$report" ] || fail "desktop-file-validate: $report"
else
  echo "no desktop-file-validate: the desktop entry is not validated" >&2
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate-tree --no-net "$root" >/dev/null ||
    fail "appstreamcli validate-tree: $(appstreamcli validate-tree --no-net "$root" 2>&1)"
else
  echo "no appstreamcli: the metainfo is not validated" >&2
fi

# The programs from there: the converter on the installed start picture, the version without
# a display, then the program as the desktop starts it.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$usr/bin/graphitine-sketch" --quiet "$usr/share/graphitine/J.jpg" "$work/sketch.jpg"
[ -s "$work/sketch.jpg" ] || fail "the installed graphitine-sketch wrote no sketch"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/graphitine" --version)" = "Graphitine $version" ] ||
  fail "the installed graphitine does not say its version $version"
# Its languages: zh and en are taken, any other is refused before a window opens.
for language in zh en; do
  env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/graphitine" --language $language --version >/dev/null ||
    fail "the installed graphitine refuses --language $language"
done
refused=0
QT_QPA_PLATFORM=offscreen "$usr/bin/graphitine" --language fr >/dev/null 2>&1 || refused=$?
[ "$refused" -eq 1 ] || fail "the installed graphitine ends with $refused on --language fr, not 1"
"$source/tests/app/xvfb/start_from_desktop.sh" "$usr/bin" "$usr/share/applications/graphitine.desktop"
