#!/usr/bin/env bash
# win64-package.sh OUT_DIR
# Builds OUT_DIR/qimbora-VERSION-setup.exe, the Windows installer, and beside
# it qimbora-VERSION-source.tar: the toy's source and the Debian source
# packages of the GPL and LGPL parts built into the installer (Qt and
# espeak-ng), for whoever passes the installer on.
set -euo pipefail
out=$(realpath -m "$1")
cd "$(dirname "$0")/.."
source scripts/common.sh
scripts/install-deps.sh imagemagick
scripts/win64-build.sh "$out/build" -DBUILD_TESTING=OFF
cache=${QIMBORA_CACHE:-$HOME/.cache/qimbora}
qt=$(scripts/win64-qt.sh "$cache")
espeak=$(scripts/win64-espeak.sh "$cache")
version=$(sed -n 's/^project(qimbora VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
stage=$out/stage
rm -rf "$stage" && mkdir -p "$stage/platforms" "$stage/fonts" "$stage/licences" "$stage/espeak-ng-data"

# The program, the libraries it loads, and what it reads beside itself.
compiler=x86_64-w64-mingw32-g++-posix
runtime() { realpath "$($compiler -print-file-name="$1")"; }
cp "$out/build/qimbora.exe" "$qt"/bin/Qt6{Core,Gui,Widgets}.dll \
    "$(runtime libstdc++-6.dll)" "$(runtime libgcc_s_seh-1.dll)" "$(runtime libwinpthread-1.dll)" "$stage/"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
x86_64-w64-mingw32-strip "$stage"/*.exe "$stage"/*.dll "$stage"/platforms/*.dll
cp "$out/build/fonts/uming.ttc" "$stage/fonts/"
# The voice data for Mandarin and Cantonese (and English, for any Latin letters).
(cd "$espeak/espeak-ng-data" && cp -r phondata phonindex phontab intonations cmn_dict yue_dict en_dict lang voices \
    "$stage/espeak-ng-data/")
convert "$out"/build/icons/{32x32,48x48,64x64,128x128,256x256}/apps/org.qimbora.Qimbora.png "$stage/qimbora.ico"

# Each component's licence, and where its exact source comes from.
package() { dpkg-query -W -f '${source:Package} ${source:Version}' "$1:$(dpkg --print-architecture)" 2>/dev/null \
    || dpkg-query -W -f '${source:Package} ${source:Version}' "$1"; }
espeak_version=$(basename "$(dirname "$espeak")"/espeak-ng_*.dsc .dsc | sed 's/^espeak-ng_//')
cp /usr/share/common-licenses/GPL-3 "$stage/licences/GPL-3.0.txt"
cp /usr/share/common-licenses/LGPL-3 "$stage/licences/LGPL-3.0.txt"
cp /usr/share/doc/fonts-arphic-uming/copyright "$stage/licences/fonts-arphic-uming.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licences/gcc-mingw-w64.txt"
cp /usr/share/doc/mingw-w64-x86-64-dev/copyright "$stage/licences/mingw-w64.txt"
qt_version=$(dpkg-query -W -f '${Version}' "qt6-base-dev:$(dpkg --print-architecture)")
tar -xOf "$cache/sources/qt6-base-$qt_version"/qt6-base_*.debian.tar.xz debian/copyright >"$stage/licences/qt6-base.txt"
tar -xOf "$(dirname "$espeak")"/espeak-ng_*.debian.tar.xz debian/copyright >"$stage/licences/espeak-ng.txt"
{
    echo "Qimbora $version"
    echo
    echo "Qimbora is free software under the GNU General Public License, version 3 or"
    echo "later (GPL-3.0-or-later, licences/GPL-3.0.txt). It comes with these parts,"
    echo "each under its own licence, built from these Debian source packages:"
    echo
    echo "- qimbora.exe: Qimbora $version, GPL-3.0-or-later; it includes espeak-ng"
    echo "  (source package espeak-ng $espeak_version, GPL-3.0-or-later,"
    echo "  licences/espeak-ng.txt)."
    echo "- Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll, platforms/qwindows.dll: Qt"
    echo "  (source package $(package qt6-base-dev)), LGPL-3.0 (licences/LGPL-3.0.txt,"
    echo "  with licences/qt6-base.txt naming the libraries Qt includes)."
    echo "- espeak-ng-data: the voice data of espeak-ng (package espeak-ng-data"
    echo "  $espeak_version), GPL-3.0-or-later."
    echo "- fonts/uming.ttc: AR PL UMing (package $(package fonts-arphic-uming)),"
    echo "  Arphic Public License (licences/fonts-arphic-uming.txt)."
    echo "- libstdc++-6.dll, libgcc_s_seh-1.dll: the GCC runtime libraries (source"
    echo "  package $(package gcc-mingw-w64-x86-64-posix-runtime)), GPL-3.0-or-later"
    echo "  with the GCC Runtime Library Exception (licences/gcc-mingw-w64.txt)."
    echo "- libwinpthread-1.dll: mingw-w64's threads library (source package"
    echo "  $(package mingw-w64-x86-64-dev)), MIT (licences/mingw-w64.txt)."
    echo
    echo "The source of Qimbora and of every GPL and LGPL part above is in"
    echo "qimbora-$version-source.tar, published beside this installer; pass it on"
    echo "with the installer. The Debian source packages are also at"
    echo "https://snapshot.debian.org/ under the names and versions above."
} | sed 's/$/\r/' >"$stage/COPYING.txt"

# The uninstaller removes exactly these, deepest first.
(cd "$stage" && find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|    Delete "$INSTDIR\\&"|'
    find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|    RMDir "$INSTDIR\\&"|') >"$out/files.nsh"
setup=$out/qimbora-$version-setup.exe
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" -DFILES="$out/files.nsh" \
    -DNOTICES="$stage/COPYING.txt" -DOUTFILE="$setup" packaging/windows/qimbora.nsi >&2

# The corresponding source.
sources=$out/sources && rm -rf "$sources" && mkdir -p "$sources"
git archive --format=tar.gz --prefix="qimbora-$version/" HEAD >"$sources/qimbora-$version.tar.gz"
cp "$cache/sources/qt6-base-$qt_version"/* "$sources/"
cp "$(dirname "$espeak")"/espeak-ng_* "$sources/"
tar -cf "$out/qimbora-$version-source.tar" -C "$sources" .
say "built $setup"
say "and its source, $out/qimbora-$version-source.tar"
