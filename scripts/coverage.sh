#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Runs the test suite on a build with clang's source-based coverage and
# reports how much of core/ it covers: lines, regions and branches, per file.
# The annotated sources are written to build/coverage/html. Fails when the
# tests leave no profile or the report covers no line.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" clang libclang-rt-14-dev llvm-14

build=build/coverage
cmake --preset coverage >/dev/null
cmake --build --preset coverage
rm -rf "$build/profiles"
ctest --preset coverage

profiles=("$build"/profiles/*.profraw)
[ -f "${profiles[0]}" ] || fail "the tests left no coverage profile in $build/profiles"
llvm-profdata-14 merge -sparse "${profiles[@]}" -o "$build/tests.profdata"
objects=()
for test in "$build"/tests/core/tst_*; do
    [ -f "$test" ] && [ -x "$test" ] && objects+=(-object "$test")
done
[ ${#objects[@]} -gt 0 ] || fail "no test suite of core/ in $build/tests/core"
coverage=(-instr-profile="$build/tests.profdata" "${objects[@]:1}" "$PWD/core")
llvm-cov-14 show -format=html -output-dir="$build/html" "${coverage[@]}"
report=$(llvm-cov-14 report -show-branch-summary "${coverage[@]}")
echo "$report"
# The TOTAL line's eighth column counts the lines the report covers.
lines=$(awk '$1 == "TOTAL" { print $8 }' <<<"$report")
[ "${lines:-0}" -gt 0 ] || fail "the report covers no line of core/"
