#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Builds the program as one web page: the core compiled to WebAssembly,
# the form from the windows' description (form-facts --json), a subset of
# Liberation Sans as the form's face where the system lacks its own, and
# the logo, all inside one HTML file that needs no network and no server.
# Also writes, next to it, the description and the shared expectations as
# JSON for the page's suites. Prints the page's path as its last line.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
ensure_packages "${WEB_BUILD_PACKAGES[@]}"
ensure_node

quietly cmake --preset web
quietly cmake --build --preset web
quietly cmake --preset wasm
quietly cmake --build --preset wasm

out=build/web
build/web/tools/form-facts/form-facts --json >"$out/form.json"
build/web/tests/web/web-expected >"$out/expected.json"
# The printable ASCII of the form's texts; whatever else a user types is
# drawn in the system's faces.
quietly pyftsubset fonts/LiberationSans-Regular.ttf --unicodes=U+0020-007E --flavor=woff --no-hinting \
    --layout-features= --name-IDs='*' --output-file="$out/form-face.woff"

page=$out/brenvik-config-assistant.html
node ui/web/build-page.mjs --form "$out/form.json" --wasm build/wasm/core/wasm/brenvik-core.wasm \
    --font "$out/form-face.woff" --logo icons/brenvik-logo-32.png --out "$page"
echo "$PWD/$page"
