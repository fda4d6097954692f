#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# The quality gates: every C++ source is formatted as .clang-format says,
# builds warning-free with clang++ (benchmarks and fuzzer included), and
# passes the checks of .clang-tidy.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" clang clang-format clang-tidy libclang-rt-14-dev libbenchmark-dev

mapfile -t sources < <(git ls-files '*.cpp' '*.h')

echo "== clang-format =="
clang-format --dry-run --Werror "${sources[@]}"
echo "${#sources[@]} files formatted as the project's style says."

echo "== clang++ build of everything, warnings as errors =="
build=build/lint
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
    -DBRENVIK_WARNINGS_AS_ERRORS=ON -DBRENVIK_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build"
# The fuzz target has a build of its own (sanitizers on the core library).
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_lists

echo "== clang-tidy =="
tidy() { # tidy BUILD_DIR FILE...
    local log=$1/clang-tidy.log
    run-clang-tidy -quiet -p "$1" -j "$(nproc)" "${@:2}" >"$log" 2>&1 \
        || { grep -E 'warning:|error:' -A4 "$log"; exit 1; }
}
# The Windows sources are built by MinGW, not by this clang++ build.
mapfile -t units < <(git ls-files '*.cpp' ':!fuzz/*' ':!ui/win32/*' ':!tests/win32/*' ':!bench/startup-win32/*')
tidy "$build" "${units[@]/#/$PWD/}"
tidy build/fuzz "$PWD/fuzz/fuzz_lists.cpp"
echo "clang-tidy: $((${#units[@]} + 1)) files, no findings."
