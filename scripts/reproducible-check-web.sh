#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Checks that the web build is reproducible: clones the current commit
# twice, into folders of different depths, PAUSE seconds apart, builds the
# site and the single page in each with scripts/package-web.sh (the second
# one with another umask and time zone), and compares them byte for byte.
#
#   scripts/reproducible-check-web.sh [PAUSE]     (default 60 seconds)
#
# Only committed work is compared: the clones hold the last commit.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
source scripts/lib/reproducible.sh
ensure_packages git

build_twice scripts/package-web.sh 2 "$@"
(cd "${first[0]}" && find . -type f -printf '%s\t%p\n' | sort -k2)
sha256sum "${first[1]}" "${second[1]}"
same=1
diff -r "${first[0]}" "${second[0]}" >&2 || { same=0; echo "The two sites differ." >&2; }
cmp "${first[1]}" "${second[1]}" || { same=0; echo "The two single pages differ." >&2; }
[ "$same" -eq 1 ] || exit 1
echo "Reproducible: both clones gave the same site and the same single page, byte for byte."
