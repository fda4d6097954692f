#!/usr/bin/env bash
# Runs the test suite on a gcov build and reports how much of core/ it covers:
# lines and branches, per file, with an HTML report in build/coverage/html.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" lcov

build=build/coverage
cmake --preset coverage
cmake --build --preset coverage
find "$build" -name '*.gcda' -delete
ctest --preset coverage

# Branches that only the compiler made (exception clean-up) say nothing
# about the tests, so they are left out.
lcov_options=(--rc lcov_branch_coverage=1 --rc geninfo_no_exception_branch=1 --quiet)
lcov "${lcov_options[@]}" --capture --no-external --directory "$build/core" \
    --base-directory "$PWD" --output-file "$build/all.info"
lcov "${lcov_options[@]}" --extract "$build/all.info" "$PWD/core/*" --output-file "$build/core.info"
genhtml "${lcov_options[@]}" --output-directory "$build/html" "$build/core.info"
lcov "${lcov_options[@]}" --list "$build/core.info"
lcov --rc lcov_branch_coverage=1 --summary "$build/core.info"
