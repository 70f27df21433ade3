#!/usr/bin/env bash
# Builds the Debian package into a scratch folder and checks what Debian's tools check:
# lintian finds no error, every command has its manual page, the runtime packages the player
# calls without linking them are declared, and the menu entry and AppStream metadata are
# valid as installed.
set -euo pipefail
build="$1"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb="$(ls "$out"/waylume_*_amd64.deb)"
[ "$(basename "$deb")" = "waylume_$(dpkg-deb -f "$deb" Version)_amd64.deb" ] || fail "file name $deb"

depends="$(dpkg-deb -f "$deb" Depends)"
for needed in ffmpeg gstreamer1.0-plugins-good gstreamer1.0-plugins-bad gstreamer1.0-libav \
              libjs-leaflet fonts-wqy-microhei pci.ids libqt5multimedia5-plugins libqt5webenginewidgets5; do
  grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

tree="$out/tree"
dpkg-deb -x "$deb" "$tree"
for command in "$tree"/usr/bin/*; do
  [ -f "$tree/usr/share/man/man1/$(basename "$command").1.gz" ] || fail "no manual page for $(basename "$command")"
done
for page in "$tree"/usr/share/man/man1/*.1.gz; do
  warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)"
  [ -z "$warnings" ] || fail "$page: $warnings"
done
desktop-file-validate "$tree/usr/share/applications/waylume.desktop"
appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml

# Errors fail; the warnings left are printed for the log.
lintian --fail-on error "$deb"
echo "package $(basename "$deb") OK"
