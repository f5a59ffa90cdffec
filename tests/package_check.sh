#!/usr/bin/env bash
# package_check.sh BUILD_DIR ID ICON_SIZE...
# Builds the .deb and checks what it installs with the desktop's own tools, and
# that every library the program links against comes from a package it depends on.
set -euo pipefail
build=$(realpath "$1") id=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null)
deb=$(ls "$work"/qimbora_*_"$(dpkg --print-architecture)".deb)
dpkg-deb -x "$deb" "$work/root"
share=$work/root/usr/share
[ -x "$work/root/usr/bin/qimbora" ] || fail "no program in bin"
desktop-file-validate "$share/applications/$id.desktop" || fail "desktop entry"
for line in 'Categories=.*Education;.*Game;' 'Name\[zh_CN\]=' 'Comment\[zh_CN\]=' 'Name\[zh_CN\]=静音启动'; do
    grep -q "^$line" "$share/applications/$id.desktop" || fail "no $line in the desktop entry"
done
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" || fail "metainfo"
for size in "$@"; do
    icon=$share/icons/hicolor/${size}x${size}/apps/$id.png
    [ "$(identify -format '%w %h' "$icon")" = "$size $size" ] || fail "icon $size"
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in qt6-qpa-plugins qt6-wayland qt6-translations-l10n fonts-arphic-uming espeak-ng-data; do
    grep -q "\b$package\b" <<<"$depends" || fail "$package is not a dependency"
done
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null)
for library in $(objdump -p "$work/root/usr/bin/qimbora" | awk '/NEEDED/ { print $2 }'); do
    path=$(ldconfig -p | awk -v lib="$library" -v arch="/$multiarch/" \
        '$1 == lib && index($NF, arch) && !found { print $NF; found = 1 }')
    [ -n "$path" ] || fail "$library is not on this system"
    owner=$({ dpkg -S "$path" 2>/dev/null || dpkg -S "$(realpath "$path")" 2>/dev/null || true; } \
        | awk -F: 'NR == 1 { print $1 }')
    [ -n "$owner" ] || fail "no package owns $library"
    grep -q "\b$owner\b" <<<"$depends" || fail "$library comes from $owner, which is not a dependency"
    echo "links $library from $owner"
done
