#!/usr/bin/env bash
# win64-build.sh BUILD_DIR [CMAKE_OPTION...]
# Cross-builds the toy (and, unless told BUILD_TESTING=OFF, its tests) for
# 64-bit Windows with mingw-w64, against Qt and espeak-ng built for Windows
# from Debian's sources and kept in $QIMBORA_CACHE (default ~/.cache/qimbora).
# Test and icon programs run under wine through scripts/wine.sh.
set -euo pipefail
build=$1
shift
cd "$(dirname "$0")/.."
source scripts/common.sh
scripts/install-deps.sh g++-mingw-w64-x86-64-posix ninja-build cmake dpkg-dev qt6-base-dev qt6-l10n-tools \
    fonts-arphic-uming wine64 xvfb nsis
cache=${QIMBORA_CACHE:-$HOME/.cache/qimbora}
qt=$(scripts/win64-qt.sh "$cache")
espeak=$(scripts/win64-espeak.sh "$cache")
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQIMBORA_WERROR="${WERROR:-OFF}" \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/scripts/mingw-w64.cmake" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    -DQIMBORA_ESPEAK="$espeak" -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/scripts/wine.sh;$qt" "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
