#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# The web page's start-up benchmark (bench/web-startup.mjs): first paint
# against the bare page (the same form with no script, which the page's
# build makes too), its size raw and gzip, and one list's time.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
ready_web_browser_runs
node bench/web-startup.mjs build/web/brenvik-config-assistant.html build/web/bare-page.html "${1:-30}"
