#!/usr/bin/env bash
# Installs the build into a scratch root as a package would (DESTDIR, prefix /usr) and checks
# that the installed player finds what it looks for beside itself, and that the desktop
# finds the player.
set -euo pipefail
build="$1"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
player="$(readlink -f "$root/usr/bin/waylume")"
[ -x "$player" ] || fail "bin/waylume does not lead to the player"
[ "$player" = "$root/usr/lib/waylume/waylume" ] || fail "player at $player"
beside="$(dirname "$player")"
# Links that point into the system resolve against the system (relative ones from where
# the link is installed, as the package's are), links of ours inside root.
system_target() {
  local link="$1" target
  target="$(readlink "$link")"
  case "$target" in
    /*) echo "$target" ;;
    *) realpath -m "$(dirname "${link#"$root"}")/$target" ;;
  esac
}
[ -e "$(system_target "$beside/resources/fonts/wqy-microhei.ttf")" ] || fail "font link dangles"
[ -e "$(system_target "$beside/translations")/qt_de.qm" ] || fail "Qt catalogues not found"
[ "$(readlink -f "$beside/maps")" = "$root/usr/share/waylume/maps" ] || fail "maps link"
if [ -d "$build/bin/maps" ]; then
  [ -n "$(ls "$beside/maps/")" ] || fail "map pages not installed"
fi
[ -x "$root/usr/bin/waylume-probe" ] || fail "waylume-probe"
desktop="$root/usr/share/applications/waylume.desktop"
grep -q '^Exec=waylume %f$' "$desktop" || fail "Exec line"
grep -q '^MimeType=.*video/mp4;' "$desktop" || fail "MIME types"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/waylume.svg" ] || fail "icon"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi
echo "installed layout OK"
