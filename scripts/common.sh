# Sourced by the scripts that install or mount: say MESSAGE tells the user on
# standard error; run COMMAND runs it as root, through sudo when not root;
# apt_update refreshes the package lists.
say() { echo "qimbora: $*" >&2; }
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
