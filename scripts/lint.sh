#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# The quality gates: every C++ source is formatted as .clang-format says,
# builds warning-free with clang++ (benchmarks and fuzzer included), and
# passes the checks of .clang-tidy. The files checked are those git tracks;
# the script fails when it finds none.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" git clang clang-format clang-tidy libclang-rt-14-dev libbenchmark-dev

fail() {
    echo "lint.sh: $*" >&2
    exit 1
}
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
[ ${#sources[@]} -gt 0 ] || fail "git lists no C++ sources here, so there is nothing to check (is this a git clone?)"

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
# The units are the tracked sources that a build compiles: not the files the
# build generates (moc's), and not those of another platform.
mapfile -t tracked < <(git ls-files '*.cpp' | sed "s|^|$PWD/|")
units_of() { # units_of BUILD_DIR: the tracked sources in its compile database
    sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$1/compile_commands.json" | sort -u \
        | grep -Fx -f <(printf '%s\n' "${tracked[@]}") || true
}
tidy() { # tidy BUILD_DIR FILE...
    local log=$1/clang-tidy.log
    [ $# -gt 1 ] || fail "no source of $1 to check with clang-tidy"
    run-clang-tidy -quiet -p "$1" -j "$(nproc)" "${@:2}" >"$log" 2>&1 \
        || { grep -E 'warning:|error:' -A4 "$log"; exit 1; }
    # run-clang-tidy passes over a file that is not in the database.
    local ran
    ran=$(grep -c '^clang-tidy' "$log") || true
    [ "$ran" -eq $(($# - 1)) ] || fail "clang-tidy ran on $ran of the $(($# - 1)) sources of $1 (see $log)"
}
mapfile -t units < <(units_of "$build")
mapfile -t fuzz_units < <(units_of build/fuzz | grep "^$PWD/fuzz/")
tidy "$build" "${units[@]}"
tidy build/fuzz "${fuzz_units[@]}"
checked=$((${#units[@]} + ${#fuzz_units[@]}))
unchecked=$(printf '%s\n' "${tracked[@]}" | grep -Fvx -f <(printf '%s\n' "${units[@]}" "${fuzz_units[@]}") \
    | sed "s|^$PWD/||" || true)
echo "clang-tidy: $checked files, no findings."
[ -z "$unchecked" ] || echo "Not built here, so not checked by clang-tidy:" $unchecked
