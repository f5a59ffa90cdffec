#!/usr/bin/env bash
# win64-qt.sh [CACHE]
# Builds Qt (Core, Gui, Widgets, Test and the Windows platform plugin) for
# 64-bit Windows with mingw-w64, from Debian's own qt6-base source, against
# this machine's Qt tools (QT_HOST_PATH=/usr). The result is kept in CACHE
# (default ~/.cache/qimbora), in a folder named by the version and the options,
# so that later builds reuse it. Prints the prefix on standard output.
# Measured on the 2-core build machine (2026-12-10): configure 22 s, build
# 16 min with nothing else running, 1048 steps.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
cache=${1:-$HOME/.cache/qimbora}
options=(-DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_androiddeployqt=OFF -DFEATURE_zstd=OFF -DFEATURE_vulkan=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF)
version=$(dpkg-query -W -f '${Version}' qt6-base-dev)
key=$(printf '%s\n' "$version" "${options[@]}" | sha1sum | cut -c1-12)
prefix=$cache/qt-win64-$key
[ -f "$prefix/bin/Qt6Widgets.dll" ] && { echo "$prefix"; exit 0; }
scripts/install-deps.sh g++-mingw-w64-x86-64-posix ninja-build dpkg-dev qt6-base-dev \
    || { say "install these first: apt-get install g++-mingw-w64-x86-64-posix ninja-build dpkg-dev"; exit 1; }
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT
# The source as this machine's Qt was built from it, with Debian's patches.
sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources >"$work/src.sources"
(cd "$work" && apt-get -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts=/dev/null \
    -o Dir::Etc::SourceList="$work/src.sources" -o Dir::State::Lists="$work/lists" update -qq \
    && apt-get -o Dir::Etc::SourceList="$work/src.sources" -o Dir::State::Lists="$work/lists" \
        source -qq --download-only "qt6-base=$version") >&2 || { say "cannot fetch qt6-base $version's source"; exit 1; }
dpkg-source -x --no-check "$work"/qt6-base_*.dsc "$work/src" >/dev/null
cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/scripts/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_SHARED_LIBS=ON "${options[@]}" >&2
cmake --build "$work/build" --parallel 2 >&2
cmake --install "$work/build" >/dev/null
echo "$prefix"
