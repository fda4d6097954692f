#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Builds the web page and runs its suites with node --test (npm packages
# pinned in tests/web/package-lock.json; no browser is downloaded):
#   - in Chromium (playwright-core): everything, the screens, keys, what a
#     screen reader and axe-core find, privacy and random pastes;
#   - in Chromium, Firefox ESR (puppeteer-core over WebDriver BiDi) and
#     WebKitGTK (WebKitWebDriver, on a virtual X display): every rejection,
#     the three lists and the fit of every fixed text (engines.test.js);
#   - without a browser, the WebAssembly core against the native one.
# Prints the summary; fails on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
ready_web_browser_runs

# One suite at a time where node can be told so: the machine's cores are
# shared (Node.js 18 runs one fewer than there are cores).
one_at_a_time=()
node --help | grep -q -- --test-concurrency && one_at_a_time=(--test-concurrency=1)
xvfb-run -a -s "-screen 0 1280x1024x24" node --test "${one_at_a_time[@]}" --test-reporter=tap tests/web/
