#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Builds the web page and opens it in the system's browser; where there is
# none (no desktop), prints the page's path to open by hand.
#
#   scripts/run-web.sh                  the single page
#   scripts/run-web.sh --serve [PORT]   the site, served on 127.0.0.1 (port
#                                       8080 unless told) until Ctrl+C
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = --serve ]; then
    site=$(scripts/package-web.sh | tail -n 2 | head -n 1)
    echo "Serving $site; Ctrl+C stops it. Open this address in a browser:"
    exec node tests/web/site-server.js "$site" "$site-headers.txt" "${2:-8080}"
fi
page=$(scripts/package-web.sh | tail -n 1)
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && command -v xdg-open >/dev/null 2>&1; then
    xdg-open "$page"
else
    echo "No desktop to open a browser on: open $page in any browser."
fi
