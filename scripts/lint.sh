#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# The quality gates: no layer of the program includes from one above it,
# every C++ source is formatted as .clang-format says, builds warning-free
# with clang++ (benchmarks and fuzzer included), and passes the checks of
# .clang-tidy. The files checked are those git tracks; the script fails
# when it finds none.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" git clang clang-format clang-tidy libclang-rt-14-dev libbenchmark-dev

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
[ ${#sources[@]} -gt 0 ] || fail "git lists no C++ sources here, so there is nothing to check (is this a git clone?)"

echo "== No layer reaches up =="
# core/ stands on nothing of the program's, ui/form/ on core/ alone, and
# each front-end (ui/qt, ui/win32, ui/web) on both. A header that core/ or
# ui/form/ includes must be in a folder below it, and their build files
# name no other folder: what a layer stands on comes through the
# libraries it links.
upward=()
for layer in "core:core" "ui/form:ui/form core"; do
    folder=${layer%%:*}
    read -ra below <<<"${layer#*:}"
    for file in $(git ls-files "$folder/*.h" "$folder/*.cpp"); do
        for header in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file"); do
            found=
            for place in "${below[@]}"; do [ -e "$place/$header" ] && found=$place; done
            [ -n "$found" ] || upward+=("$file includes \"$header\", which none of ${below[*]} holds")
        done
    done
    while IFS= read -r line; do
        upward+=("$folder/CMakeLists.txt names another folder: $line")
    done < <(grep -nE 'PROJECT_SOURCE_DIR|CMAKE_SOURCE_DIR|\.\./' "$folder/CMakeLists.txt" || true)
done
[ ${#upward[@]} -eq 0 ] || fail "a layer reaches up:$(printf '\n  %s' "${upward[@]}")"
echo "core/ includes only core/, ui/form/ only itself and core/."

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
# build generates (moc's).
mapfile -t tracked < <(git ls-files '*.cpp' | sed "s|^|$PWD/|")
units_of() { # units_of BUILD_DIR [DIR...]: the tracked sources (under DIRs) in its compile database
    local pattern="^$PWD/"
    [ $# -eq 1 ] || pattern+="($(IFS='|'; echo "${*:2}"))/"
    sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$1/compile_commands.json" | sort -u \
        | grep -Fx -f <(printf '%s\n' "${tracked[@]}") | grep -E "$pattern" || true
}
tidy() { # tidy BUILD_DIR [CLANG_TIDY_OPTION...] -- FILE...
    local build_dir=$1 options=()
    shift
    while [ "$1" != -- ]; do options+=("$1"); shift; done
    shift
    [ $# -gt 0 ] || fail "no source of $build_dir to check with clang-tidy"
    local log=$build_dir/clang-tidy.log
    run-clang-tidy -quiet -p "$build_dir" -j "$(nproc)" "${options[@]}" "$@" >"$log" 2>&1 \
        || { grep -E 'warning:|error:' -A4 "$log"; exit 1; }
    # run-clang-tidy passes over a file that is not in the database.
    local ran
    ran=$(grep -c '^clang-tidy' "$log") || true
    [ "$ran" -eq $# ] || fail "clang-tidy ran on $ran of the $# sources of $build_dir (see $log)"
}
windows=(ui/win32 tests/win32 bench/startup-win32 tools/win32-drive)
mapfile -t units < <(units_of "$build")
mapfile -t fuzz_units < <(units_of build/fuzz fuzz)
tidy "$build" -- "${units[@]}"
tidy build/fuzz -- "${fuzz_units[@]}"

# The Windows sources, against MinGW-w64's headers and its C++ library, as
# the Windows build compiles them.
source scripts/lib/wine.sh
ensure_packages "${WINDOWS_BUILD_PACKAGES[@]}"
cmake --preset windows >/dev/null
mingw_cxx=/usr/lib/gcc/x86_64-w64-mingw32/$(x86_64-w64-mingw32-g++-posix -dumpversion)/include/c++
mingw_args=(-extra-arg=--target=x86_64-w64-mingw32 -extra-arg=-nostdinc++)
for dir in "$mingw_cxx" "$mingw_cxx/x86_64-w64-mingw32" "$mingw_cxx/backward"; do
    mingw_args+=(-extra-arg=-isystem"$dir")
done
mapfile -t windows_units < <(units_of build/windows "${windows[@]}")
tidy build/windows "${mingw_args[@]}" -- "${windows_units[@]}"

checked=("${units[@]}" "${fuzz_units[@]}" "${windows_units[@]}")
echo "clang-tidy: ${#checked[@]} files, no findings."
unchecked=$(printf '%s\n' "${tracked[@]}" | grep -Fvx -f <(printf '%s\n' "${checked[@]}") | sed "s|^$PWD/||" || true)
[ -z "$unchecked" ] || echo "Built by no build here, so not checked by clang-tidy:" $unchecked
