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
tidy() { # tidy BUILD_DIR [CLANG_TIDY_OPTION...] -- FILE...
    local build_dir=$1 options=()
    shift
    while [ "$1" != -- ]; do options+=("$1"); shift; done
    shift
    local log=$build_dir/clang-tidy.log
    run-clang-tidy -quiet -p "$build_dir" -j "$(nproc)" "${options[@]}" "$@" >"$log" 2>&1 \
        || { grep -E 'warning:|error:' -A4 "$log"; exit 1; }
}
windows=(ui/win32 tests/win32 bench/startup-win32)
mapfile -t units < <(git ls-files '*.cpp' ':!fuzz/*' "${windows[@]/#/:!}")
tidy "$build" -- "${units[@]/#/$PWD/}"
tidy build/fuzz -- "$PWD/fuzz/fuzz_lists.cpp"

# The Windows sources, against MinGW-w64's headers and its C++ library, as
# the Windows build compiles them.
source scripts/wine.sh
ensure_packages "${WINDOWS_BUILD_PACKAGES[@]}"
cmake --preset windows >/dev/null
mingw_cxx=/usr/lib/gcc/x86_64-w64-mingw32/$(x86_64-w64-mingw32-g++-posix -dumpversion)/include/c++
mingw_args=(-extra-arg=--target=x86_64-w64-mingw32 -extra-arg=-nostdinc++)
for dir in "$mingw_cxx" "$mingw_cxx/x86_64-w64-mingw32" "$mingw_cxx/backward"; do
    mingw_args+=(-extra-arg=-isystem"$dir")
done
mapfile -t windows_units < <(git ls-files "${windows[@]/%//*.cpp}")
tidy build/windows "${mingw_args[@]}" -- "${windows_units[@]/#/$PWD/}"
echo "clang-tidy: $((${#units[@]} + 1 + ${#windows_units[@]})) files, no findings."
