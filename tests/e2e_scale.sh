#!/usr/bin/env bash
# e2e_scale.sh PROGRAM
# A 1920 x 1080 screen at 150 % desktop scaling (Xft.dpi 144): the window
# starts at a whole scale and lies wholly on the screen.
set -euo pipefail
prog=$(realpath "$1")
source "$(dirname "$0")/../scripts/x-server.sh"
app=
cleanup() {
    [ -n "$app" ] && { kill "$app" 2>/dev/null || true; wait "$app" 2>/dev/null || true; }
    stop_x_server
}
trap cleanup EXIT
start_x_server 1920x1080
echo "Xft.dpi: 144" | xrdb -nocpp -merge

"$prog" >/dev/null 2>&1 &
app=$!
window=
for _ in $(seq 200); do
    kill -0 "$app" 2>/dev/null || { echo "the program ended before its window showed"; exit 1; }
    window=$(xdotool search --onlyvisible --pid "$app" --name '^Qimbora1\.0$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the window did not show"; exit 1; }
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window at $X,$Y, $WIDTH x $HEIGHT on 1920 x 1080"
[ "$WIDTH" -eq 1125 ] && [ "$HEIGHT" -eq 756 ] || { echo "expected the window at a whole scale, 1125 x 756"; exit 1; }
[ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le 1920 ] && [ $((Y + HEIGHT)) -le 1080 ] \
    || { echo "the window does not lie on the screen"; exit 1; }
