#!/usr/bin/env bash
# package_check.sh BUILD_DIR ID ICON_SIZE...
# Builds the .deb and checks what it installs with the desktop's own tools, and
# what it depends on.
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
grep -q '^License: GPL-3+' "$share/doc/qimbora/copyright" || fail "no licence in the copyright file"
for page in man/man6/qimbora.6 man/zh_CN/man6/qimbora.6; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$share/$page" 2>&1 >/dev/null) \
        && [ -z "$warnings" ] && grep -q 'mute' "$share/$page" || fail "manual page $page: $warnings"
done
for size in "$@"; do
    icon=$share/icons/hicolor/${size}x${size}/apps/$id.png
    [ "$(identify -format '%w %h' "$icon")" = "$size $size" ] || fail "icon $size"
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The libraries come from dpkg-shlibdeps; what the program loads at run time is named.
for package in libc6 libqt6widgets6 libespeak-ng1 libpulse0 qt6-qpa-plugins qt6-wayland qt6-translations-l10n \
    fonts-arphic-uming espeak-ng-data; do
    grep -q "\b$package" <<<"$depends" || fail "$package is not a dependency"
done
