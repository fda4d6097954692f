#!/usr/bin/env bash
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
    -DBRENVIK_WARNINGS_AS_ERRORS=ON -DBRENVIK_BUILD_BENCHMARKS=ON -DBRENVIK_BUILD_FUZZERS=ON >/dev/null
cmake --build "$build"

echo "== clang-tidy =="
mapfile -t units < <(git ls-files '*.cpp')
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${units[@]/#/$PWD/}" >"$build/clang-tidy.log" 2>&1 \
    || { grep -E 'warning:|error:' -A4 "$build/clang-tidy.log"; exit 1; }
echo "clang-tidy: ${#units[@]} files, no findings."
