#!/usr/bin/env bash
# screen_reader.sh PROGRAM
# The program as a screen reader meets it, through AT-SPI on its own session
# bus in a private X server (screen_reader.py says what it checks).
set -euo pipefail
prog=$(realpath "$1")
log=$(mktemp)
source "$(dirname "$0")/../scripts/x-server.sh"
trap 'stop_x_server; rm -f "$log"' EXIT
start_x_server
# Qt speaks to AT-SPI only when told that assistive technology is on.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$prog" >"$log" 2>&1 \
    || fail "a screen reader did not hear the toy"
echo "a screen reader hears the canvas, each count and a message"
