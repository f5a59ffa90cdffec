#!/usr/bin/env bash
# package_check.sh SOURCE ID ICON_SIZE...
# Checks what the toy installs with the desktop's own tools. SOURCE is a build
# folder, installed into a scratch root, or a .deb, unpacked, whose dependencies
# are checked too.
set -euo pipefail
source=$(realpath "$1") id=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/../scripts/common.sh"

root=$work/root
if [ -d "$source" ]; then
    DESTDIR=$root cmake --install "$source" >/dev/null
else
    dpkg-deb -x "$source" "$root"
fi
share=$(dirname "$(find "$root" -type d -name applications -path '*/share/*')")
entry=$share/applications/$id.desktop
desktop-file-validate "$entry" || fail "desktop entry"
for line in 'Categories=.*Education;.*Game;' 'Name\[zh_CN\]=' 'Comment\[zh_CN\]=' 'Name\[zh_CN\]=静音启动' \
    'Name\[zh_TW\]=Qimbora 畫花數數' 'Comment\[zh_HK\]=' 'Name\[zh_HK\]=靜音啟動' 'Name\[zh_TW\]=用一個開關畫花'; do
    grep -q "^$line" "$entry" || fail "no $line in the desktop entry"
done
# Every command the menu entry starts is the installed program.
while read -r program; do
    [ -x "$root$program" ] && file -L "$root$program" | grep -q ELF || fail "the menu starts $program, not installed"
done < <(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" || fail "metainfo"
grep -q '^License: GPL-3+' "$share/doc/qimbora/copyright" || fail "no licence in the copyright file"
for page in man/man6/qimbora.6 man/zh_CN/man6/qimbora.6 man/zh_TW/man6/qimbora.6 man/zh_HK/man6/qimbora.6; do
    page=$(ls "$share/$page"*)
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null) \
        && [ -z "$warnings" ] && zgrep -q 'lang=' "$page" || fail "manual page $page: $warnings"
done
for size in "$@"; do
    icon=$share/icons/hicolor/${size}x${size}/apps/$id.png
    [ "$(identify -format '%w %h' "$icon")" = "$size $size" ] || fail "icon $size"
done
[ -f "$source" ] || exit 0

depends=$(dpkg-deb -f "$source" Depends)
echo "Depends: $depends"
# The libraries come from dpkg-shlibdeps; what the program loads at run time is named.
for package in libc6 libqt6widgets6 libespeak-ng1 libpulse0 qt6-qpa-plugins qt6-wayland qt6-translations-l10n \
    fonts-arphic-uming espeak-ng-data; do
    grep -q "\b$package" <<<"$depends" || fail "$package is not a dependency"
done
