# Sourced by the scripts that need a screen, with common.sh. start_x_server [WIDTHxHEIGHT]
# starts a private Xvfb (1280x1024 unless given) on a display that the server
# picks itself, waits until it accepts connections and exports DISPLAY;
# stop_x_server ends it. The server keeps its resources (xrdb) when its last
# client leaves.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

start_x_server() {
    local size=${1:-1280x1024} fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    x_server=$!
    local number=
    read -r -t 30 number <"$fifo" || true
    rm -f "$fifo"
    [ -n "$number" ] || { echo "Xvfb did not start"; return 1; }
    export DISPLAY=:$number
}

stop_x_server() {
    [ -n "${x_server:-}" ] || return 0
    kill "$x_server" 2>/dev/null || true
    wait "$x_server" 2>/dev/null || true
}

# The functions below drive the toy started as $app (its process id).

# The first visible window of the program named $1, other than its main one.
window_named() {
    for _ in $(seq 200); do
        kill -0 "$app" 2>/dev/null || fail "the program ended"
        xdotool search --all --onlyvisible --pid "$app" --name "$1" 2>/dev/null | grep -v "^${window:-}\$" | head -n 1 && return 0
        sleep 0.1
    done
    fail "no window named $1 showed"
}
# Waits until the window $1 shows its canvas: painted, and so ready for input.
painted() {
    for _ in $(seq 200); do
        [ "$(import -window "$1" -crop 1x1+600+300 -depth 8 txt:- 2>/dev/null | grep -o '#000040')" ] && return 0
        sleep 0.05
    done
    fail "the canvas was never shown"
}
# Waits until the window $1 has the keyboard focus, as a dialog takes it when shown.
focused() {
    for _ in $(seq 200); do
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && return 0
        sleep 0.05
    done
    fail "window $1 never took the focus"
}
# In the main window: three numbered flowers, the first centred at canvas
# (398, 298), then 保 存, and the name $1 typed into the dialog.
paint_three_and_save() {
    window=
    window=$(window_named '^Qimbora1\.0$')
    painted "$window"
    for at in "400 300" "700 200" "250 450" "858 717"; do
        xdotool mousemove --window "$window" $at click 1
    done
    focused "$(window_named .)"
    xdotool type "$1"
    xdotool key Return
}

# Waits for the file $1 and checks that it holds the picture whose MD5 begins $2.
saved_picture() {
    local bytes
    for _ in $(seq 100); do [ -s "$1" ] && break; sleep 0.1; done
    bytes=$(md5sum <"$1" | cut -c 1-16)
    [ "$bytes" = "$2" ] || fail "the picture saved as $bytes; expected $2"
}
