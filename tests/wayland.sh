#!/usr/bin/env bash
# wayland.sh PROGRAM
# The program on a Wayland desktop: a headless weston whose one output is
# 1920 x 1080 device pixels at scale 2. The window comes up at scale 1 with
# the title bar the toy draws itself (so the sizes it asks for are half its
# device pixels and include that bar, with no toolkit frame around it), under
# the id of its menu entry, and prints nothing of its own.
set -euo pipefail
prog=$(realpath "$1")
run=$(mktemp -d) log=$(mktemp) weston= app=
trap 'for p in $app $weston; do kill "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; done; rm -rf "$run" "$log"' EXIT
fail() { { echo "FAIL: $*"; grep -v '^\[' "$log" || true; } >&2; exit 1; }
export XDG_RUNTIME_DIR=$run WAYLAND_DISPLAY=qimbora-test
chmod 700 "$run"
weston --backend=headless-backend.so --use-pixman --width=960 --height=540 --scale=2 \
    --socket="$WAYLAND_DISPLAY" --idle-time=0 --no-config >"$run/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do [ -S "$run/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
[ -S "$run/$WAYLAND_DISPLAY" ] || { cat "$run/weston.log"; fail "weston did not start"; }

# The client's requests are logged with a leading time stamp in brackets.
QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$prog" --mute >"$log" 2>&1 &
app=$!
for _ in $(seq 200); do
    kill -0 "$app" 2>/dev/null || fail "the program ended"
    grep -q 'wl_surface@[0-9]*\.commit' "$log" && grep -q 'set_max_size' "$log" && break
    sleep 0.1
done
request() { grep -o "xdg_toplevel@[0-9]*\.$1([^)]*)" "$log" | tail -n 1 | sed 's/.*(\(.*\))/\1/'; }
echo "app_id $(request set_app_id); min $(request set_min_size); max $(request set_max_size)"
[ "$(request set_app_id)" = '"org.qimbora.Qimbora"' ] || fail "the window's app_id is not org.qimbora.Qimbora"
[ "$(request set_min_size)" = "563, 393" ] && [ "$(request set_max_size)" = "563, 393" ] \
    || fail "expected a fixed 1125 x 786 window at scale 1"
! grep -v '^\[' "$log" | grep -v '^ *$' || fail "the program printed"
