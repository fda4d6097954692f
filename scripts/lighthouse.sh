#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Builds the site and runs Lighthouse over it on 127.0.0.1, in Debian's
# Chromium, headless, at desktop and at mobile settings: prints the scores
# for performance, accessibility, best practices and SEO, and each audit
# below full marks; the reports are left in build/web/lighthouse. Lighthouse
# is pinned in bench/lighthouse/package-lock.json and downloads no browser.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
ensure_packages chromium
ensure_node
site=$(scripts/package-web.sh | tail -n 2 | head -n 1)
(cd bench/lighthouse && PUPPETEER_SKIP_DOWNLOAD=1 quietly npm ci --no-audit --no-fund)
node bench/lighthouse/run.mjs "$site" "$site-headers.txt" build/web/lighthouse
