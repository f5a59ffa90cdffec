#!/usr/bin/env bash
# install_check.sh BUILD_DIR ID ICON_SIZE...
# Installs the build into an empty prefix and validates what a desktop needs.
set -euo pipefail
build=$1 id=$2
shift 2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root/usr" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
[ -x "$root/usr/bin/qimbora" ] || fail "no program in bin"
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry"
grep -q '^Categories=.*Education;.*Game;' "$root/usr/share/applications/$id.desktop" || fail "categories"
grep -q '^Name\[zh_CN\]=' "$root/usr/share/applications/$id.desktop" || fail "no Chinese name"
grep -q '^Comment\[zh_CN\]=' "$root/usr/share/applications/$id.desktop" || fail "no Chinese comment"
grep -q '^Name\[zh_CN\]=静音启动' "$root/usr/share/applications/$id.desktop" || fail "no muted start"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" || fail "metainfo"
for size in "$@"; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ "$(identify -format '%w %h' "$icon")" = "$size $size" ] || fail "icon $size"
done
echo "installed files validated"
