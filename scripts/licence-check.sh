#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Checks that every file states its copyright and licence (REUSE): in an
# SPDX header, or in .reuse/dep5 for files that cannot carry one. Prints
# reuse's summary, or its whole report when something is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages reuse git

report=$(reuse lint) || { echo "$report"; exit 1; }
sed -n '/^# SUMMARY/,$p' <<<"$report"
