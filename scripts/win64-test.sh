#!/usr/bin/env bash
# win64-test.sh BUILD_DIR
# Cross-builds the toy and its tests for 64-bit Windows and runs the suite
# under wine on a private X server: the same golden pictures as on Linux, the
# speech, the saving and the window's Windows style. Linux's desktop tests
# (X11 window managers, Wayland, GNOME, the screen reader, the Debian
# package) do not apply; the installer has its own test.
set -euo pipefail
build=$1
cd "$(dirname "$0")/.."
source scripts/x-server.sh
scripts/win64-build.sh "$build"
start_x_server
trap stop_x_server EXIT
say "not run on Windows: the Linux desktop tests (X11, Wayland, GNOME, the screen reader, the Debian package)"
(cd "$build" && ctest --output-on-failure) && exit 0
say "under wine, these tests failed:"
sed 's/^[0-9]*:/  /' "$build/Testing/Temporary/LastTestsFailed.log" >&2
exit 1
