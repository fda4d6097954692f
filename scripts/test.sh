#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Builds the program and its test suite, then runs the tests (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}"

preset=${1:-dev}
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
