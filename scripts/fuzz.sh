#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Fuzzes the command-list generators with libFuzzer for a bounded time.
#
#   scripts/fuzz.sh [SECONDS]     (default 60)
#
# Configures a clang build in build/fuzz (AddressSanitizer and UBSan on the
# generators and the fuzz target), builds fuzz_lists and runs it for SECONDS.
# The working corpus is build/fuzz/corpus, seeded from fuzz/corpus, so the
# source tree stays untouched; the log is build/fuzz/fuzz.log. A crashing
# input is saved under build/fuzz/artifacts/ and the script exits non-zero;
# replay it with: build/fuzz/fuzz/fuzz_lists build/fuzz/artifacts/crash-...
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
ensure_packages clang libclang-rt-dev cmake ninja-build

seconds=${1:-60}
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [SECONDS]  (a whole number of seconds, at least 1)" >&2
    exit 2
fi

build=build/fuzz
cmake --preset fuzz
cmake --build --preset fuzz --target fuzz_lists

corpus=$build/corpus
artifacts=$build/artifacts
mkdir -p "$corpus" "$artifacts"
cp fuzz/corpus/* "$corpus/"
rm -f "$artifacts"/crash-* "$artifacts"/leak-* "$artifacts"/timeout-* "$artifacts"/oom-*

echo "Fuzzing fuzz_lists for ${seconds}s; corpus $corpus, log $build/fuzz.log"
status=0
"$build/fuzz/fuzz_lists" \
    -max_total_time="$seconds" \
    -max_len=512 \
    -timeout=10 \
    -print_final_stats=1 \
    -dict=fuzz/lists.dict \
    -artifact_prefix="$artifacts/" \
    "$corpus" 2>&1 | tee "$build/fuzz.log" || status=$?

findings=$(find "$artifacts" -type f | wc -l)
if [ "$status" -ne 0 ] || [ "$findings" -ne 0 ]; then
    echo "fuzz_lists found a problem (exit status $status); inputs in $artifacts/:" >&2
    ls -l "$artifacts" >&2
    exit $((status != 0 ? status : 1))
fi
echo "No findings in ${seconds}s."
