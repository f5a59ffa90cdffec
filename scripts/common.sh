# Sourced by the scripts and the tests' scripts: say MESSAGE tells the user on
# standard error; fail MESSAGE ends a check as failed, showing the program's
# $log (if set) without a compositor's requests, which begin "[", and naming
# $fail_context (if set); run COMMAND runs it as root, through sudo when not
# root; apt_update refreshes the package lists.
say() { echo "qimbora: $*" >&2; }
# To stderr, so that a failure inside a command substitution is still shown.
fail() {
    { echo "FAIL${fail_context:+ ($fail_context)}: $*"; [ -z "${log:-}" ] || grep -v '^\[' "$log" || true; } >&2
    exit 1
}
run() { if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi; }
# A mirror caught in the middle of a sync fails the update; it heals in moments.
apt_update() {
    local attempt
    for attempt in 1 2 3; do
        run apt-get update -qq && return 0
        [ "$attempt" -eq 3 ] || sleep 20
    done
    return 1
}
