#!/usr/bin/env bash
# startup.sh PROGRAM [RUNS]
# Starts the program RUNS times in a private X server, prints the median time
# from start to the window shown and the median resident memory at rest (the
# voice loaded), and fails when either is over its limit.
set -euo pipefail
prog=$(realpath "$1")
runs=${2:-5}
source "$(dirname "$0")/../scripts/x-server.sh"
trap stop_x_server EXIT
start_x_server

starts=() memories=()
for _ in $(seq "$runs"); do
    begin=$(date +%s%N)
    "$prog" >/dev/null 2>&1 &
    app=$!
    until xdotool search --onlyvisible --pid "$app" --name '^Qimbora1\.0$' >/dev/null 2>&1; do
        kill -0 "$app" 2>/dev/null || { echo "the program ended before its window showed"; exit 1; }
    done
    shown=$(date +%s%N)
    sleep 1
    starts+=($(( (shown - begin) / 1000000 )))
    memories+=($(awk '/^VmRSS/ { print int($2 / 1024) }' /proc/$app/status))
    kill "$app"
    wait "$app" 2>/dev/null || true
done
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
echo "start to window shown: $(median "${starts[@]}") ms (median of $runs; all: ${starts[*]})"
echo "resident memory at rest: $(median "${memories[@]}") MB (median of $runs; all: ${memories[*]})"
start=$(median "${starts[@]}") memory=$(median "${memories[@]}")
[ "$start" -le 300 ] || { echo "NOT MET: start to window shown over 300 ms"; exit 1; }
[ "$memory" -le 60 ] || { echo "NOT MET: resident memory over 60 MB"; exit 1; }
echo "start-up and memory: met (limits 300 ms, 60 MB)"
