#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Builds the web page and opens it in the system's browser; where there is
# none (no desktop), prints the page's path to open by hand.
set -euo pipefail
cd "$(dirname "$0")/.."
page=$(scripts/package-web.sh | tail -n 1)
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && command -v xdg-open >/dev/null 2>&1; then
    xdg-open "$page"
else
    echo "No desktop to open a browser on: open $page in any browser."
fi
