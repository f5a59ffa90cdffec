#!/usr/bin/env bash
# mutter.sh PROGRAM
# The program on GNOME's own Wayland compositor, nested on Xvfb, at scale 2:
# GNOME lays its screens out in device pixels, so a 1920 x 1080 screen is too
# small for the window at 200 % and it comes at 100 % (half of 1125 x 786 in
# the compositor's units), while on 3840 x 2160 it keeps 200 %. The program
# shares the compositor's session bus, as on a desktop. Skipped (77) where
# mutter cannot run nested.
set -euo pipefail
prog=$(realpath "$1")
mutter --help 2>/dev/null | grep -q -- '--nested' || { echo "mutter cannot run nested here"; exit 77; }
source "$(dirname "$0")/../scripts/x-server.sh"
export XDG_RUNTIME_DIR=$(mktemp -d)
log=$XDG_RUNTIME_DIR/log pids=
trap 'kill $pids 2>/dev/null; stop_x_server; wait; rm -rf "$XDG_RUNTIME_DIR"' EXIT
start_x_server 2560x1600
# Each compositor on a session bus of its own, answering its display settings
# before the program starts, as on a desktop.
displayConfig() {
    dbus-send --session --print-reply --dest=org.gnome.Mutter.DisplayConfig /org/gnome/Mutter/DisplayConfig \
        org.gnome.Mutter.DisplayConfig.GetCurrentState 2>/dev/null
}
while read -r screen size; do
    eval "$(dbus-launch --sh-syntax)" && bus=$DBUS_SESSION_BUS_PID && pids="$pids $bus"
    display=wl-mutter-$screen
    MUTTER_DEBUG_DUMMY_MODE_SPECS=$screen MUTTER_DEBUG_DUMMY_MONITOR_SCALES=2 \
        mutter --nested --wayland --no-x11 --wayland-display "$display" >/dev/null 2>&1 &
    mutter=$! && pids="$pids $mutter"
    for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$display" ] && displayConfig | grep -q "${screen%x*}" && break; sleep 0.1; done
    QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$display WAYLAND_DEBUG=client "$prog" --mute >"$log" 2>&1 &
    app=$!
    for _ in $(seq 200); do grep -q 'set_max_size' "$log" && break; sleep 0.1; done
    kill "$app" "$mutter" "$bus" 2>/dev/null || true
    wait "$app" "$mutter" 2>/dev/null || true
    asked=$(grep -o 'xdg_toplevel[@#][0-9]*\.set_max_size([^)]*)' "$log" | sed 's/^[^(]*//' | sort -u | tr -d '\n')
    [ "$asked" = "($size)" ] || fail "on $screen at scale 2 the window asked $asked, not ($size)"
done <<'ROWS'
1920x1080 563, 393
3840x2160 1125, 786
ROWS
echo "the window fits GNOME's screens at 200 %"
