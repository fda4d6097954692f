#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# The web page's start-up benchmark (bench/web-startup.mjs): first paint
# against the bare page, its size raw and gzip, and one list's time.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
ready_web_browser_runs
page=build/web/brenvik-config-assistant.html
node ui/web/build-page.mjs --form build/web/form.json --font build/web/form-face.woff \
    --logo icons/brenvik-logo-32.png --out build/web/bare-page.html --bare
node bench/web-startup.mjs "$page" build/web/bare-page.html "${1:-30}"
