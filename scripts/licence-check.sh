#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Checks that every file states its copyright and licence (REUSE): in an
# SPDX header, or in .reuse/dep5 for files that cannot carry one. Prints
# reuse's summary, or its whole report when something is missing; fails
# when reuse finds no file at all.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
ensure_packages reuse git

report=$(reuse lint) || { echo "$report"; exit 1; }
sed -n '/^# SUMMARY/,$p' <<<"$report"
files=$(sed -n 's|^\* Files with license information: [0-9]* / \([0-9]*\)$|\1|p' <<<"$report")
[ "${files:-0}" -gt 0 ] || { echo "licence-check.sh: reuse found no file to check" >&2; exit 1; }
