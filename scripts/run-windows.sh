#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Builds the Windows program with MinGW-w64 and starts it under Wine, on the
# current display, in a Wine prefix of its own under build/ (made on the
# first run, kept for the next).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
source scripts/lib/wine.sh
ensure_packages "${WINE_PACKAGES[@]}"
build_windows brenvik-config-assistant
prefix=$PWD/build/windows/wine-prefix
if [ -d "$prefix/drive_c" ]; then
    use_wine_prefix "$prefix"
else
    new_wine_prefix "$prefix" x11
fi
exec "$wine64" build/windows/brenvik-config-assistant.exe
