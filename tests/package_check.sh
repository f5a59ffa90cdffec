#!/usr/bin/env bash
# package_check.sh BUILD_DIR ID
# Builds the .deb, checks its file list, and checks that every library the
# program links against comes from a package its dependency line names.
set -euo pipefail
build=$(realpath "$1") id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null)
deb=$(ls "$work"/qimbora_*_amd64.deb)
files=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for path in ./usr/bin/qimbora ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
            ./usr/share/icons/hicolor/32x32/apps/$id.png ./usr/share/icons/hicolor/256x256/apps/$id.png; do
    grep -qx "$path" <<<"$files" || fail "$path is not in the package"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in qt6-qpa-plugins qt6-translations-l10n fonts-arphic-uming espeak-ng-data libespeak-ng1 libqt6widgets6 libqt6gui6 libqt6core6; do
    grep -q "\b$package\b" <<<"$depends" || fail "$package is not a dependency"
done

# Unpacked into an empty root: each library the program names comes from a dependency.
dpkg-deb -x "$deb" "$work/root"
for library in $(objdump -p "$work/root/usr/bin/qimbora" | awk '/NEEDED/ { print $2 }'); do
    path=$(ldconfig -p | awk -v lib="$library" '$1 == lib && /x86-64/ && !found { print $NF; found = 1 }')
    [ -n "$path" ] || fail "$library is not on this system"
    owner=$({ dpkg -S "$path" 2>/dev/null || dpkg -S "$(realpath "$path")" 2>/dev/null || true; } \
        | awk -F: 'NR == 1 { print $1 }')
    [ -n "$owner" ] || fail "no package owns $library"
    grep -q "\b$owner\b" <<<"$depends" || fail "$library comes from $owner, which is not a dependency"
    echo "links $library from $owner"
done
