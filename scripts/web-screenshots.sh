#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Makes the README's pictures of the web page anew in headless Chromium:
# docs/screenshots/web/, at 1x and on a phone-sized screen.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages chromium
ensure_node
scripts/package-web.sh >/dev/null
(cd tests/web && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 quietly npm ci --no-audit --no-fund)
mkdir -p docs/screenshots/web
node tests/web/screenshots.mjs docs/screenshots/web
ls docs/screenshots/web
