#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Builds the program and starts it (needs a display; see the README for Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}"

cmake --preset dev
cmake --build --preset dev --target brenvik-config-assistant
exec build/dev/brenvik-config-assistant
