#!/usr/bin/env bash
# wayland.sh PROGRAM
# The program in a headless weston of 1920 x 1080 device pixels at scale 2: the
# window asks for half of 1125 x 786 (scale 1, its own title bar, no toolkit
# frame) under its menu entry's app_id, and prints nothing (requests begin "[").
set -euo pipefail
prog=$(realpath "$1")
export XDG_RUNTIME_DIR=$(mktemp -d) WAYLAND_DISPLAY=qimbora-test
log=$XDG_RUNTIME_DIR/log pids=
trap 'kill $pids 2>/dev/null; wait; rm -rf "$XDG_RUNTIME_DIR"' EXIT
source "$(dirname "$0")/../scripts/common.sh"
weston --backend=headless-backend.so --use-pixman --width=960 --height=540 --scale=2 --idle-time=0 \
    --no-config --socket="$WAYLAND_DISPLAY" >/dev/null 2>&1 & pids=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$prog" --mute >"$log" 2>&1 & pids="$pids $!"
for _ in $(seq 200); do grep -q 'set_max_size' "$log" && grep -q 'commit()' "$log" && break; sleep 0.1; done
# libwayland writes object@id before 1.23 and object#id since.
asked=$(grep -o 'xdg_toplevel[@#][0-9]*\.set_\(app_id\|min_size\|max_size\)([^)]*)' "$log" | sed 's/^[^.]*\.//' | sort -u | tr '\n' ' ')
echo "asked: $asked"
[ "$asked" = 'set_app_id("org.qimbora.Qimbora") set_max_size(563, 393) set_min_size(563, 393) ' ] || fail "asked $asked"
! grep -v '^\[' "$log" | grep . || fail "the program printed"
