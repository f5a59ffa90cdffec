#!/usr/bin/env bash
# win64-qt.sh CACHE
# Builds Qt (Core, Gui, Widgets, Test and the Windows platform plugin) for
# 64-bit Windows with mingw-w64, from Debian's own qt6-base source of this
# machine's Qt version, against this machine's Qt tools (QT_HOST_PATH=/usr).
# The result is kept in CACHE, in a folder named by the version and the
# options, beside the source it was built from, so that later builds reuse
# both. Prints the prefix on standard output.
# Measured on the 2-core build machine: configure 22 s, build 16 min.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
cache=$1
# No OpenGL (INPUT_opengl=no, or the Windows plugin asks for dynamic OpenGL),
# no network, SQL, D-Bus, printing or XML; no tablets, whose headers Debian's
# source leaves out; Qt's own copies of its image and text libraries.
options=(-DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_androiddeployqt=OFF -DFEATURE_zstd=OFF -DFEATURE_vulkan=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF)
version=$(dpkg-query -W -f '${Version}' "qt6-base-dev:$(dpkg --print-architecture)")
key=$(printf '%s\n' "$version" "${options[@]}" | sha1sum | cut -c1-12)
prefix=$cache/qt-win64-$key
sources=$cache/sources/qt6-base-$version
if [ -f "$prefix/bin/Qt6Widgets.dll" ] && [ -f "$sources"/*.dsc ]; then
    echo "$prefix"
    exit 0
fi
say "building Qt $version for Windows once, into $prefix (about 20 minutes on two cores)"
rm -rf "$sources.part" && scripts/debian-source.sh "" "qt6-base=$version" "$sources.part" >/dev/null
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT
dpkg-source -x --no-check "$sources.part"/qt6-base_*.dsc "$work/src" >/dev/null
cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/scripts/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_SHARED_LIBS=ON "${options[@]}" >"$work/configure.log" \
    || { cat "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" --parallel "$(nproc)" >"$work/build.log" || { tail -50 "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >/dev/null
rm -rf "$sources" && mv "$sources.part" "$sources"
echo "$prefix"
