#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Runs scripts as the first command on a fresh, minimal Debian 12: a root
# made with debootstrap --variant=minbase, unpacked anew for each script,
# with a clone of the last commit in it. Then, in one more fresh root, a
# user without sudo must be told what to do, and a user with sudo must get
# through (both with scripts/licence-check.sh, which installs little).
#
#   scripts/fresh-debian-check.sh [SCRIPT...]   (default: test.sh package.sh lint.sh test-windows.sh)
#
# Needs root (debootstrap, chroot, mount). The minimal root is made once from
# the mirror apt uses here for bookworm (BRENVIK_MIRROR overrides it) and
# kept, with the packages the runs download, in
# ${XDG_CACHE_HOME:-~/.cache}/brenvik-config-assistant; delete that folder to
# start afresh. Each run's output is in build/fresh-debian/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh

[ "$(id -u)" -eq 0 ] || fail "debootstrap, chroot and mount need root: run it as root or with sudo"
ensure_packages debootstrap git

scripts=("$@")
[ ${#scripts[@]} -gt 0 ] || scripts=(test.sh package.sh lint.sh test-windows.sh)
for script in "${scripts[@]}"; do
    [ -x "scripts/$script" ] || fail "there is no scripts/$script"
done
commit=$(git rev-parse HEAD)
[ -z "$(git status --porcelain --untracked-files=no)" ] \
    || echo "Note: uncommitted changes are not part of this check; it runs $commit."

cache=${XDG_CACHE_HOME:-${HOME:-/root}/.cache}/brenvik-config-assistant
base=$cache/bookworm-minbase.tar.gz
archives=$cache/apt-archives
logs=$PWD/build/fresh-debian
mkdir -p "$archives/partial" "$logs"
# One run at a time uses the cache.
exec 9>"$cache/lock"
flock -n 9 || { echo "Waiting for another run of this check to finish..."; flock 9; }

# --- the roots: made, entered and removed ------------------------------------
root=''
# remove_root: unmounts what is mounted in $root, ends what still runs there,
# and removes it; leaves it in place if anything stays mounted.
remove_root() {
    [ -n "$root" ] && [ -d "$root" ] || return 0
    local link pid mount
    for link in /proc/[0-9]*/root; do
        [ "$(readlink "$link" 2>/dev/null)" = "$root" ] || continue
        pid=${link#/proc/}
        kill -9 "${pid%/root}" 2>/dev/null || true
    done
    for mount in $(awk -v dir="$root/" 'index($2, dir) == 1 { print $2 }' /proc/mounts | sort -r); do
        umount "$mount" || true
    done
    if awk -v dir="$root/" 'index($2, dir) == 1 { found = 1 } END { exit !found }' /proc/mounts; then
        echo "Still mounted in $root; left in place." >&2
    else
        rm -rf --one-file-system "$root"
    fi
    root=''
}
trap remove_root EXIT

make_base() {
    local mirror=${BRENVIK_MIRROR:-$(apt-cache policy | awk '$3 == "bookworm/main" { print $2; exit }')}
    [ -n "$mirror" ] || fail "apt here knows no mirror for bookworm: set BRENVIK_MIRROR to a Debian mirror's address"
    echo "Making a minimal Debian 12 root from $mirror (kept in $base)..."
    root=$(mktemp -d /var/tmp/brenvik-debootstrap.XXXXXX)
    chmod 755 "$root"
    local start=$SECONDS
    quietly debootstrap --variant=minbase bookworm "$root" "$mirror"
    rm -f "$root"/var/cache/apt/archives/*.deb
    tar -C "$root" -czf "$base.part" . && mv "$base.part" "$base"
    echo "  made in $((SECONDS - start)) s, $(du -h "$base" | cut -f1)B as a tarball"
    remove_root
}

# fresh_root: unpacks the minimal root anew into $root, ready to enter.
fresh_root() {
    root=$(mktemp -d /var/tmp/brenvik-fresh.XXXXXX)
    tar -C "$root" -xzf "$base"
    chmod 755 "$root"
    cp -L /etc/resolv.conf "$root/etc/resolv.conf"
    # sudo looks up the host's name.
    echo "127.0.1.1 $(hostname)" >>"$root/etc/hosts"
    mount -t proc proc "$root/proc"
    mount -t sysfs sysfs "$root/sys"
    mount --bind /dev "$root/dev"
    mount --bind /dev/pts "$root/dev/pts"
    mount -t tmpfs tmpfs "$root/dev/shm"
    # Downloads are kept for the next run; what is installed is not.
    mount --bind "$archives" "$root/var/cache/apt/archives"
    in_root root "chown _apt:root /var/cache/apt/archives/partial"
}

# clone_into DIR [USER]: a clone of the commit at DIR in the root, USER's.
clone_into() {
    git clone --quiet --no-checkout "$PWD" "$root$1" \
        && git -C "$root$1" checkout --quiet --detach "$commit" \
        && { [ -z "${2:-}" ] || in_root root "chown -R $2: $1"; }
}

# in_root USER COMMAND: runs COMMAND in the root as USER, in a clean
# environment such as a login gives.
in_root() {
    local home=/root
    [ "$1" = root ] || home=/home/$1
    chroot --userspec="$1:$1" "$root" /usr/bin/env -i HOME="$home" USER="$1" LOGNAME="$1" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin /bin/bash -c "cd ~ && $2"
}
installed() { in_root root "dpkg-query -W -f='\${db:Status-Abbrev}\\n' | grep -c '^ii'"; }

# --- the runs ------------------------------------------------------------------
[ -f "$base" ] || make_base
results=()
failed=0
minutes() { printf '%dm%02ds' $(($1 / 60)) $(($1 % 60)); }

for script in "${scripts[@]}"; do
    log=$logs/${script%.sh}.log
    echo "scripts/$script as the first command in a fresh root (log: $log)..."
    fresh_root
    clone_into /root/brenvik
    before=$(installed)
    start=$SECONDS
    status=passed
    in_root root "cd brenvik && scripts/$script" >"$log" 2>&1 || status=FAILED
    took=$((SECONDS - start))
    results+=("$(printf '%-26s %-7s %8s   %d packages added to %d' "$script" "$status" "$(minutes "$took")" \
        $(($(installed) - before)) "$before")")
    if [ "$status" = FAILED ]; then
        failed=1
        tail -n 30 "$log" >&2
    fi
    remove_root
done

# users_check: a user without sudo must be stopped with a message; a user
# with sudo must get through. In the fresh $root.
users_check() {
    in_root root "useradd -m -s /bin/bash nosudo && useradd -m -s /bin/bash withsudo" \
        && clone_into /home/nosudo/brenvik nosudo && clone_into /home/withsudo/brenvik withsudo || return 1
    # On a system without sudo.
    if in_root nosudo "cd brenvik && scripts/licence-check.sh"; then
        echo "A user without sudo got through licence-check.sh, which has packages to install."
        return 1
    fi
    in_root root "DEBIAN_FRONTEND=noninteractive apt-get install -y -qq sudo >/dev/null" \
        && in_root root "echo 'withsudo ALL=(ALL) NOPASSWD: ALL' >/etc/sudoers.d/withsudo" \
        && in_root withsudo "cd brenvik && scripts/licence-check.sh"
}
echo "Users with and without sudo, in a fresh root (log: $logs/users.log)..."
fresh_root
status=passed
users_check >"$logs/users.log" 2>&1 || status=FAILED
told=$(grep -m1 'run it as root or as a user with sudo' "$logs/users.log" || true)
if [ "$status" = FAILED ] || [ -z "$told" ]; then
    failed=1
    status=FAILED
    tail -n 30 "$logs/users.log" >&2
fi
results+=("$(printf '%-26s %-7s' "users without, with sudo" "$status")")
remove_root

echo
echo "Fresh Debian 12 (minbase), commit ${commit:0:12}:"
printf '  %s\n' "${results[@]}"
[ -z "$told" ] || echo "  A user without sudo is told: $told"
exit "$failed"
