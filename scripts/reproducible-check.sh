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
source scripts/lib/reproducible.sh
ensure_packages git

build_twice scripts/package.sh 1 "$@"
sha256sum "${first[@]}" "${second[@]}"
if ! cmp "${first[0]}" "${second[0]}"; then
    echo "The two packages differ. Their contents, side by side:" >&2
    diff <(dpkg-deb --contents "${first[0]}") <(dpkg-deb --contents "${second[0]}") >&2 || true
    diff <(dpkg-deb --ctrl-tarfile "${first[0]}" | tar -xO ./md5sums) \
        <(dpkg-deb --ctrl-tarfile "${second[0]}" | tar -xO ./md5sums) >&2 || true
    exit 1
fi
echo "Reproducible: both clones gave the same .deb, byte for byte."
