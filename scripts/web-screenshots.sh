#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Makes the README's pictures of the web page anew in headless Chromium:
# docs/screenshots/web/, at 1x and on a phone-sized screen.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
ready_web_browser_runs
mkdir -p docs/screenshots/web
node tests/web/screenshots.mjs docs/screenshots/web
ls docs/screenshots/web
