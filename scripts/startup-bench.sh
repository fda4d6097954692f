#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Start-up and memory benchmark, run on a virtual X display (Xvfb):
#  - the time from process start until the main window is first painted, and
#    the peak memory (maximum resident set size) of that start, for the
#    program and for a bare Qt window with the same widgets, in interleaved
#    runs of the same session;
#  - the time from a click on "Create AT Commands List" and on "Create
#    iBeacon AT Commands List" until the command list window is on the screen;
#  - where valgrind is installed, the instructions each start runs up to its
#    first paint (callgrind), which the machine's load does not change.
# Figures are printed, never checked: the targets are shown beside them.
#
# Usage: scripts/startup-bench.sh [RUNS [BUILD_DIR [CLICKS]]]
#   RUNS       start-ups of each window (default 10), after one warm-up each
#   BUILD_DIR  build directory (default build/startup-bench, RelWithDebInfo
#              like the dev preset, tests off)
#   CLICKS     clicks on each create button (default 50)
#
# Installs what it needs from Debian when missing (Xvfb, openbox and GNU time).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
source scripts/lib/desktop.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${DESKTOP_PACKAGES[@]}" time

runs=${1:-10}
build_dir=${2:-build/startup-bench}
clicks=${3:-50}
for number in "$runs" "$clicks"; do
    [[ $number =~ ^[1-9][0-9]*$ ]] || { echo "RUNS and CLICKS must be positive whole numbers" >&2; exit 2; }
done

# --- build -----------------------------------------------------------------
configure=(cmake -S . -B "$build_dir")
[ -f "$build_dir/CMakeCache.txt" ] || configure+=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRENVIK_BUILD_TESTS=OFF)
"${configure[@]}" >/dev/null
cmake --build "$build_dir" --target bench-bare-window bench-program-window bench-click-to-list
bench_dir=$build_dir/bench/startup
bare=$bench_dir/bench-bare-window
program=$bench_dir/bench-program-window
click=$bench_dir/bench-click-to-list

# --- desktop and clean-up --------------------------------------------------
open_session
start_desktop "$work"
export QT_QPA_PLATFORM=xcb

# --- start-up runs -----------------------------------------------------------
run_once() { # run_once NAME EXE: one start; appends its figures to $work/NAME.*
    local name=$1 exe=$2 line
    # The start time is taken in this shell, just before GNU time starts the process.
    if ! BRENVIK_BENCH_START=$EPOCHREALTIME /usr/bin/time -v -o "$work/time.txt" "$exe" \
        >"$work/out.txt" 2>"$work/err.txt"; then
        echo "$name failed:" >&2
        cat "$work/err.txt" "$work/time.txt" >&2
        exit 1
    fi
    line=$(grep -m1 '^main_ms=' "$work/out.txt") || { echo "$name printed no time" >&2; exit 1; }
    sed -E 's/.*first_paint_ms=([0-9.]+).*/\1/' <<<"$line" >>"$work/$name.paint"
    sed -E 's/^main_ms=([0-9.]+).*/\1/' <<<"$line" >>"$work/$name.main"
    sed -E 's/.*cpu_ms=([0-9.]+).*/\1/' <<<"$line" >>"$work/$name.cpu"
    awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt" >>"$work/$name.rss"
}

echo "Display $DISPLAY, $runs start-ups each (after one warm-up each), interleaved..."
run_interleaved "$runs" "$bare" "$program"

bare_paint=$(median "$work/bare.paint")
program_paint=$(median "$work/program.paint")
bare_rss=$(median "$work/bare.rss")
program_rss=$(median "$work/program.rss")
program_rss_max=$(sort -g "$work/program.rss" | tail -n 1)

echo
echo "Start-up, process start to first paint of the main window (median; min-max in ms):"
row() { # row LABEL NAME
    printf '  %-22s %8.1f ms  (%s)   main() reached after %.1f ms; processor time %.1f ms\n' "$1" \
        "$(median "$work/$2.paint")" "$(range "$work/$2.paint")" "$(median "$work/$2.main")" \
        "$(median "$work/$2.cpu")"
}
row "bare Qt window" bare
row "program" program
awk -v p="$program_paint" -v b="$bare_paint" -v pc="$(median "$work/program.cpu")" -v bc="$(median "$work/bare.cpu")" \
    'BEGIN {
        printf "  %-22s %8.3f     (target: at most 1.05)\n", "ratio first paint", p / b
        printf "  %-22s %8.3f     (target: at most 1.10)\n", "ratio processor time", pc / bc
    }'
echo "Peak memory of a start (maximum resident set size, median):"
awk -v b="$bare_rss" -v p="$program_rss" -v m="$program_rss_max" 'BEGIN {
    printf "  %-22s %8.1f MiB\n", "bare Qt window", b / 1024
    printf "  %-22s %8.1f MiB  (highest of the runs %.1f MiB)\n", "program", p / 1024, m / 1024
    printf "  %-22s %+8.2f MiB  (target: at most 1 MiB above the bare window)\n", "program - bare", (p - b) / 1024
}'

# --- instruction counts -------------------------------------------------------
# Unlike times, these do not depend on what else the machine is doing: one
# start of each under callgrind, counted up to the report of the first paint.
if command -v valgrind >/dev/null 2>&1; then
    for name in bare program; do
        exe=$bare
        [ "$name" = program ] && exe=$program
        valgrind --tool=callgrind --dump-before='QCoreApplication::quit*' \
            --callgrind-out-file="$work/$name.cg" "$exe" >/dev/null 2>"$work/err.txt" \
            || { echo "$name failed under callgrind:" >&2; cat "$work/err.txt" >&2; exit 1; }
        awk '/^summary:/ { print $2; exit }' "$work/$name.cg.1" >"$work/$name.ir"
    done
    awk -v b="$(cat "$work/bare.ir")" -v p="$(cat "$work/program.ir")" 'BEGIN {
        printf "Instructions to first paint (callgrind): bare %.1f M, program %.1f M, ratio %.3f\n", b / 1e6, p / 1e6, p / b
    }'
else
    echo "(valgrind is not installed: no instruction counts)"
fi

# --- click to command list ---------------------------------------------------
echo
echo "Click to command list window shown and painted ($clicks clicks on each button; target: under 16 ms):"
if ! /usr/bin/time -v -o "$work/time.txt" "$click" "$clicks" >"$work/out.txt" 2>"$work/err.txt"; then
    echo "bench-click-to-list failed:" >&2
    cat "$work/err.txt" >&2
    exit 1
fi
awk '/^click_to_list / {
    for (i = 3; i <= NF; ++i) { split($i, kv, "="); f[kv[1]] = kv[2] }
    printf "  %-8s median %6.2f ms, max %6.2f ms, first click %6.2f ms (Show event: median %.2f ms)\n",
        substr($2, 1, length($2) - 1), f["median_ms"], f["max_ms"], f["first_ms"], f["show_median_ms"]
}' "$work/out.txt"
awk -F': ' '/Maximum resident set size/ {
    printf "  peak memory over all %s command list windows: %.1f MiB\n", n, $2 / 1024 }' n=$((2 * clicks)) "$work/time.txt"
