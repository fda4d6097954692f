#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Times building each command list and a rejection (Google Benchmark, -O2).
#   scripts/bench.sh [BENCHMARK OPTIONS]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
ensure_packages g++ cmake ninja-build libbenchmark-dev

cmake --preset bench >/dev/null
cmake --build --preset bench
build/bench/bench/bench_lists --benchmark_repetitions=10 --benchmark_report_aggregates_only=true "$@"
