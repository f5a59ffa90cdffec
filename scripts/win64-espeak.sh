#!/usr/bin/env bash
# win64-espeak.sh CACHE
# Builds the espeak-ng library for 64-bit Windows with mingw-w64 from Debian's
# source, and takes its voice data from Debian's package of the same version:
# the data is made by running the program being built, which a cross build
# cannot. Debian 13's version, whose source the archive keeps. The result is
# kept in CACHE as include/, lib/ and espeak-ng-data/, beside the source.
# Prints the prefix on standard output.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
cache=$1
suite=trixie
sources=$cache/sources/espeak-ng-$suite
if [ -f "$sources/prefix/lib/libespeak-ng.a" ]; then
    echo "$sources/prefix"
    exit 0
fi
rm -rf "$sources.part" && scripts/debian-source.sh "$suite" espeak-ng "$sources.part" espeak-ng-data >/dev/null
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT
dpkg-source -x --no-check "$sources.part"/espeak-ng_*.dsc "$work/src" >/dev/null
# Without the sound libraries and MBROLA, which the toy does not use; naming a
# sonic library keeps the build from downloading one.
cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/scripts/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DBUILD_TESTING=OFF -DESPEAK_BUILD_MANPAGES=OFF \
    -DUSE_MBROLA=OFF -DUSE_LIBSONIC=OFF -DSONIC_LIB=none -DSONIC_INC=/nonexistent -DUSE_LIBPCAUDIO=OFF \
    -DUSE_SPEECHPLAYER=OFF -DUSE_ASYNC=OFF >"$work/configure.log" || { cat "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" --target espeak-ng >"$work/build.log" || { tail -50 "$work/build.log" >&2; exit 1; }
prefix=$sources.part/prefix
mkdir -p "$prefix/lib" "$prefix/include"
cp "$work/build/src/libespeak-ng/libespeak-ng.a" "$work/build/src/ucd-tools/libucd.a" "$prefix/lib/"
cp -r "$work/src/src/include/espeak-ng" "$prefix/include/"
dpkg-deb -x "$sources.part"/espeak-ng-data_*.deb "$work/data"
cp -r "$work/data/usr/lib/x86_64-linux-gnu/espeak-ng-data" "$prefix/"
rm -f "$sources.part"/espeak-ng-data_*.deb
rm -rf "$sources" && mv "$sources.part" "$sources"
echo "$sources/prefix"
