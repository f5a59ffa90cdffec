#!/usr/bin/env bash
# desktop.sh PROGRAM
# The program under a real X11 window manager (openbox): an ordinary window,
# listed in the task bar and the window switcher and transient for nothing,
# that unrolls itself when the manager rolls it up (shades it); and a close request in the middle of a flower of 2^31 - 2 petals with a
# pattern of many digits ends the program at once.
set -euo pipefail
prog=$(realpath "$1")
log=$(mktemp) app= wm=
source "$(dirname "$0")/../scripts/x-server.sh"
trap '[ -z "$app" ] || kill -9 "$app" 2>/dev/null; [ -z "$wm" ] || kill "$wm" 2>/dev/null; stop_x_server; rm -f "$log"' EXIT
start_x_server 1920x1080
export XDG_RUNTIME_DIR=$(mktemp -d)
openbox --sm-disable >/dev/null 2>&1 & wm=$!
for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
"$prog" --mute >"$log" 2>&1 & app=$!
window=
for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --pid "$app" --name '^Qimbora1\.0$' 2>/dev/null | head -n 1) && break
    sleep 0.1
done
[ -n "$window" ] || fail "no window showed"

type=$(xprop -id "$window" _NET_WM_WINDOW_TYPE)
[[ $type == *_NET_WM_WINDOW_TYPE_NORMAL* ]] || fail "window type: $type"
! xprop -id "$window" WM_TRANSIENT_FOR | grep -q 'window id' || fail "transient for another window"
! xprop -id "$window" _NET_WM_STATE | grep -q 'SKIP_TASKBAR\|SKIP_PAGER' || fail "kept out of the task bar"
wmctrl -l | grep -q 'Qimbora1\.0' || fail "not in the window list"
states=$(mktemp -p "$XDG_RUNTIME_DIR")
# xprop reads the properties before it listens for changes: it listens once
# it has reported two values of a probe property (at most one is its first read).
xprop -id "$window" -f _QIMBORA_PROBE 8s -set _QIMBORA_PROBE 0
xprop -spy -id "$window" _NET_WM_STATE _QIMBORA_PROBE >"$states" & spy=$!
for probe in $(seq 50); do
    xprop -id "$window" -f _QIMBORA_PROBE 8s -set _QIMBORA_PROBE "$probe"
    [ "$(grep -c '_QIMBORA_PROBE(STRING)' "$states")" -ge 2 ] && break
    sleep 0.1
done
wmctrl -r 'Qimbora1.0' -b add,shaded
# The manager's change is reported, and the last state is not rolled up. The
# toy may unroll before xprop reads the change, so SHADED need not show; the
# state must hold a moment after, so that an earlier change cannot pass for it.
unshaded() {
    [ "$(grep -c _NET_WM_STATE "$states")" -ge 2 ] && grep _NET_WM_STATE "$states" | tail -n 1 | grep -vq SHADED
}
for _ in $(seq 50); do unshaded && sleep 0.3 && unshaded && break; sleep 0.1; done
kill "$spy"
unshaded || fail "left rolled up: $(cat "$states")"

# Petals and pattern typed as a child would, then a press and at once a close request.
for box in "100 716 2147483646" "210 716 1e16"; do
    read -r x y text <<<"$box"
    xdotool mousemove --window "$window" "$x" "$y" click --repeat 3 1 type "$text"
done
xdotool mousemove --window "$window" 400 300 click 1
wmctrl -c 'Qimbora1.0'
for _ in $(seq 20); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
! kill -0 "$app" 2>/dev/null || fail "the program did not end within a second of the close request"
app=
echo "an ordinary window, closed in the middle of a long flower"
