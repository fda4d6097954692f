#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Checks that the Windows installer and .zip are reproducible: clones the
# current commit twice, into folders of different depths, PAUSE seconds
# apart, builds both in each with scripts/package-windows.sh (the second one
# with another umask and time zone), and compares them byte for byte.
#
#   scripts/reproducible-check-windows.sh [PAUSE]     (default 60 seconds)
#
# Only committed work is compared: the clones hold the last commit.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
source scripts/lib/reproducible.sh
ensure_packages git binutils-mingw-w64-x86-64 unzip

build_twice scripts/package-windows.sh 2 "$@"
ls -l "${first[@]}" "${second[@]}"
sha256sum "${first[@]}" "${second[@]}"
same=1
if ! cmp "${first[0]}" "${second[0]}"; then
    same=0
    echo "The two installers differ. Their headers, side by side:" >&2
    diff <(x86_64-w64-mingw32-objdump -x "${first[0]}") <(x86_64-w64-mingw32-objdump -x "${second[0]}") >&2 || true
fi
if ! cmp "${first[1]}" "${second[1]}"; then
    same=0
    echo "The two .zip files differ. Their entries, side by side:" >&2
    diff <(unzip -Zv "${first[1]}") <(unzip -Zv "${second[1]}") >&2 || true
fi
[ "$same" -eq 1 ] || exit 1
echo "Reproducible: both clones gave the same installer and the same .zip, byte for byte."
