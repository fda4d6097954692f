#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Builds the program as one web page (ui/web/CMakeLists.txt says how): the
# core compiled to WebAssembly, the form from the windows' description,
# the form's face and the logo, all inside one HTML file that needs no
# network and no server; and the site, the same page with its manifest,
# icons and service worker for a static host, in build/web/site. The same
# build writes the description and the shared expectations as JSON for the
# page's suites. Prints the site's folder, then the page's path as its last
# line.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
ensure_packages "${WEB_BUILD_PACKAGES[@]}"
ensure_node

quietly cmake --preset web
quietly cmake --build --preset web
echo "$PWD/build/web/site"
echo "$PWD/build/web/brenvik-config-assistant.html"
