# Sourced by the scripts that work in a fresh Debian root. make_root RELEASE
# ARCH DIR makes a minimal root of RELEASE for ARCH in DIR with debootstrap,
# from this machine's own package source, the second stage under qemu for a
# foreign ARCH; in_root COMMAND runs a shell command inside it, as root, with
# a bare environment. The root is made anew each time, and nothing stays
# mounted in it when the script ends, however it ends.

# The first Debian archive this machine installs from, or Debian's own.
debian_mirror() {
    local mirror
    mirror=$(cat /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null \
        | sed -n -e 's/^URIs: *\(http[^ ]*\/debian\)\/*$/\1/p' -e 's/^deb  *\(http[^ ]*\/debian\)\/* .*/\1/p' \
        | head -n 1 || true)
    echo "${mirror:-http://deb.debian.org/debian}"
}

unmount_root() {
    # Deepest first; --lazy so that a process still inside cannot hold the run.
    [ -z "${root:-}" ] || findmnt -rn -o TARGET | { grep "^$root/" || true; } | sort -r | xargs -r -n 1 umount --lazy
}

make_root() {
    local release=$1 arch=$2 mirror foreign=()
    root=$3
    mirror=$(debian_mirror)
    trap unmount_root EXIT
    unmount_root
    # Never follows a mount out of the root, even one left behind.
    [ ! -e "$root" ] || rm -rf --one-file-system "$root"
    mkdir -p "$root"
    [ "$arch" = "$(dpkg --print-architecture)" ] || foreign=(--foreign)
    SECONDS=0
    debootstrap --variant=minbase --arch "$arch" "${foreign[@]}" "$release" "$root" "$mirror" >"$root.log" 2>&1 \
        || { tail -n 20 "$root.log"; return 1; }
    if [ ${#foreign[@]} -gt 0 ]; then
        chroot "$root" /debootstrap/debootstrap --second-stage >>"$root.log" 2>&1 \
            || { tail -n 20 "$root.log"; return 1; }
    fi
    echo "debootstrap $release for $arch from $mirror: ${SECONDS} s"
    mount -t proc proc "$root/proc"
    mount --bind /dev "$root/dev"
    mount --bind /dev/pts "$root/dev/pts"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
}

in_root() {
    env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
        WERROR="${WERROR:-OFF}" chroot "$root" bash -c "$1"
}
