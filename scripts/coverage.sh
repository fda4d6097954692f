#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Runs the test suite on a build with clang's source-based coverage and
# reports how much of core/ it covers: lines, regions and branches, per file.
# The annotated sources are written to build/coverage/html.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" clang llvm-14

build=build/coverage
cmake --preset coverage >/dev/null
cmake --build --preset coverage
rm -rf "$build/profiles"
ctest --preset coverage

llvm-profdata-14 merge -sparse "$build"/profiles/*.profraw -o "$build/tests.profdata"
objects=()
for test in "$build"/tests/core/tst_*; do
    [ -f "$test" ] && [ -x "$test" ] && objects+=(-object "$test")
done
coverage=(-instr-profile="$build/tests.profdata" "${objects[@]:1}" "$PWD/core")
llvm-cov-14 show -format=html -output-dir="$build/html" "${coverage[@]}"
llvm-cov-14 report -show-branch-summary "${coverage[@]}"
