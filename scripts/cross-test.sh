#!/usr/bin/env bash
# cross-test.sh ARCH BUILD_DIR
# Cross-builds the toy and its tests for ARCH with Debian's cross toolchain and
# runs the whole suite under qemu user emulation: CTest starts each test
# program through the emulator, and the kernel hands the program to it where a
# script starts it. Needs root (or sudo) to register the emulator.
set -euo pipefail
arch=$1 build=$2
cd "$(dirname "$0")/.."
source scripts/common.sh
scripts/cross-deps.sh "$arch" "qt6-wayland:$arch"
eval "$(dpkg-architecture -a "$arch" -s 2>/dev/null)"
cpu=$DEB_HOST_GNU_CPU triplet=$DEB_HOST_GNU_TYPE
emulator=/usr/bin/qemu-$cpu-static

scripts/emulate.sh "$arch"

# Under qemu on a 64-bit kernel, a 32-bit program is handed directory offsets
# too large for the 32-bit readdir that the voice library uses, and finds no
# voice; a 32-bit ARM kernel, or an arm64 one running 32-bit programs, hands
# out offsets that fit. A tmpfs has small offsets too, so the suite reads the
# voice data from a copy on one.
if [ "$arch" = armhf ]; then
    voice=$PWD/$build/voice-data
    mkdir -p "$voice"
    mountpoint -q "$voice" || run mount -t tmpfs -o size=64m tmpfs "$voice"
    trap 'run umount "$voice"' EXIT
    cp -r "/usr/lib/$triplet/espeak-ng-data" "$voice/"
    export ESPEAK_DATA_PATH=$voice
fi

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQIMBORA_WERROR="${WERROR:-OFF}" \
    -DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR="$cpu" -DCMAKE_CXX_COMPILER="$triplet-g++" \
    -DPKG_CONFIG_EXECUTABLE="/usr/bin/$triplet-pkg-config" -DCMAKE_CROSSCOMPILING_EMULATOR="$emulator" >/dev/null
cmake --build "$build" -j"$(nproc)"
(cd "$build" && ctest --output-on-failure) && exit 0
say "on $arch, under $emulator, these tests failed:"
sed 's/^[0-9]*:/  /' "$build/Testing/Temporary/LastTestsFailed.log" >&2
exit 1
