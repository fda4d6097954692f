#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Checks that the Debian package is reproducible: clones the current commit
# twice, into folders of different depths, PAUSE seconds apart, builds the
# package in each with scripts/package.sh (the second one with another umask
# and time zone), and compares the two .debs byte for byte.
#
#   scripts/reproducible-check.sh [PAUSE]     (default 60 seconds)
#
# Only committed work is compared: the clones hold the last commit.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
ensure_packages git

pause=${1:-60}
[[ $pause =~ ^[0-9]+$ ]] || { echo "usage: $0 [PAUSE]  (whole seconds between the two builds)" >&2; exit 2; }
commit=$(git rev-parse HEAD)
[ -z "$(git status --porcelain --untracked-files=no)" ] \
    || echo "Note: uncommitted changes are not part of this check; it builds $commit."

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
package() { # package DIR: clones the commit into DIR, builds, prints the .deb's path
    git clone --quiet --no-checkout "$PWD" "$1"
    git -C "$1" checkout --quiet --detach "$commit"
    "$1"/scripts/package.sh | tail -n 1
}

first=$(package "$work/a")
echo "$(date -u +%T) first build:  $first"
sleep "$pause"
second=$(umask 0002 && TZ=Pacific/Chatham package "$work/second/checkout")
echo "$(date -u +%T) second build: $second"

sha256sum "$first" "$second"
if ! cmp "$first" "$second"; then
    echo "The two packages differ. Their contents, side by side:" >&2
    diff <(dpkg-deb --contents "$first") <(dpkg-deb --contents "$second") >&2 || true
    diff <(dpkg-deb --ctrl-tarfile "$first" | tar -xO ./md5sums) \
        <(dpkg-deb --ctrl-tarfile "$second" | tar -xO ./md5sums) >&2 || true
    exit 1
fi
echo "Reproducible: both clones gave the same .deb, byte for byte."
