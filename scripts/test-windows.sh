#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Builds the Windows program and its test suite with MinGW-w64, then runs
# the suite under Wine in a fresh prefix of its own, with no display (Wine's
# null display driver). Prints CTest's summary; fails on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
source scripts/lib/wine.sh
ensure_packages "${WINE_PACKAGES[@]}"
build_windows all

prefix=$(mktemp -d)
trap 'end_wine; rm -rf "$prefix"' EXIT
new_wine_prefix "$prefix/wine" null
ctest --preset windows
