# Sourced by the scripts that need a screen. start_x_server [WIDTHxHEIGHT]
# starts a private Xvfb (1280x1024 unless given) on a display that the server
# picks itself, waits until it accepts connections and exports DISPLAY;
# stop_x_server ends it. The server keeps its resources (xrdb) when its last
# client leaves.
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
