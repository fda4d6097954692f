#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Start-up benchmark of the Windows program under Wine: the time from process
# creation to the first paint of the main window, for the program and for a
# bare Win32 window with the same controls (bench/startup-win32), in
# interleaved runs of the same session; then the size of the program's .exe,
# as built, stripped, and as the "windows-release" preset builds it.
# Figures are printed, never checked: the targets are shown beside them.
#
# Wine runs with its X11 display driver on Xvfb, showing its virtual desktop
# as scripts/windows-screenshots.sh does: the windows are really drawn and
# sent to an X server, as on a desktop (the null driver paints nothing, which
# would leave out a good part of a start). The prefix's wineserver is kept
# running between the starts, as a desktop session keeps it.
#
# Usage: scripts/windows-startup-bench.sh [RUNS]
#   RUNS  start-ups of each window (default 17), after one warm-up each
#
# Installs what it needs from Debian when missing: MinGW-w64, Wine, Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
source scripts/lib/desktop.sh
source scripts/lib/wine.sh

runs=${1:-17}
[[ $runs =~ ^[1-9][0-9]*$ ]] || { echo "RUNS must be a positive whole number" >&2; exit 2; }
ensure_packages "${WINE_PACKAGES[@]}" "${DESKTOP_PACKAGES[@]}"

# --- build -----------------------------------------------------------------
build_windows brenvik-config-assistant bench-win32-bare-window bench-win32-program-window

# --- display, Wine and clean-up ----------------------------------------------
open_session
trap 'end_wine; close_session' EXIT
# Both without their debug information, as the program ships: Wine maps a
# PE file's debug sections with the rest, so they would slow the larger one.
bare=$work/bench-win32-bare-window.exe
program=$work/bench-win32-program-window.exe
x86_64-w64-mingw32-strip -o "$bare" build/windows/bench/startup-win32/bench-win32-bare-window.exe
x86_64-w64-mingw32-strip -o "$program" build/windows/bench/startup-win32/bench-win32-program-window.exe
start_xvfb "$work" 1024x768
new_wine_prefix "$work/wine" x11 96
wine_virtual_desktop 1024x768
# Once the server that wrote the registry has ended, one that stays.
wineserver -w
wineserver -p

# --- start-up runs -----------------------------------------------------------
run_once() { # run_once NAME EXE: one start; appends its figures to $work/NAME.*
    local name=$1 exe=$2 line
    # The start time is taken in this shell, just before Wine starts the process.
    if ! BRENVIK_BENCH_START=$EPOCHREALTIME "$wine64" "$exe" >"$work/out.txt" 2>"$work/err.txt"; then
        echo "$name failed:" >&2
        cat "$work/err.txt" >&2
        exit 1
    fi
    line=$(tr -d '\r' <"$work/out.txt" | grep -m1 '^main_ms=') || { echo "$name printed no time" >&2; exit 1; }
    local field
    for field in main made first_paint launch cpu; do
        sed -E "s/.*(^| )${field}_ms=([0-9.-]+).*/\\2/" <<<"$line" >>"$work/$name.$field"
    done
    # The window's own part: from the entry point to the paint, without
    # the loading that comes before (the same for both, and the noisiest);
    # split into making the window and showing it until painted.
    awk -v p="$(tail -n 1 "$work/$name.first_paint")" -v m="$(tail -n 1 "$work/$name.main")" \
        -v c="$(tail -n 1 "$work/$name.made")" -v own="$work/$name.own" -v make="$work/$name.make" \
        -v show="$work/$name.show" 'BEGIN { print p - m >>own; print c - m >>make; print p - c >>show }'
}

echo "Display $DISPLAY (Wine's X11 driver, virtual desktop), $runs start-ups each (after one warm-up each), interleaved..."
run_interleaved "$runs" "$bare" "$program"

echo
echo "Start-up, process creation to first paint of the main window (median; min-max in ms):"
row() { # row LABEL NAME
    printf '  %-22s %8.1f ms  (%s)   entry point after %.1f ms; from the script'"'"'s start %.1f ms; processor time %.0f ms\n' \
        "$1" "$(median "$work/$2.first_paint")" "$(range "$work/$2.first_paint")" "$(median "$work/$2.main")" \
        "$(median "$work/$2.launch")" "$(median "$work/$2.cpu")"
}
row "bare Win32 window" bare
row "program" program
awk -v p="$(median "$work/program.first_paint")" -v b="$(median "$work/bare.first_paint")" \
    -v pl="$(median "$work/program.launch")" -v bl="$(median "$work/bare.launch")" \
    'BEGIN { printf "  %-22s %8.2f     (target: at most 1.10; from the script'"'"'s start %.2f)\n", "ratio program/bare", p / b, pl / bl }'
echo "Of which the window's own part, entry point to first paint (median; min-max in ms):"
own_row() { # own_row LABEL NAME
    printf '  %-22s %8.1f ms  (%s)   making the window %.1f ms, showing it until painted %.1f ms\n' "$1" \
        "$(median "$work/$2.own")" "$(range "$work/$2.own")" "$(median "$work/$2.make")" "$(median "$work/$2.show")"
}
own_row "bare Win32 window" bare
own_row "program" program
awk -v p="$(median "$work/program.own")" -v b="$(median "$work/bare.own")" \
    'BEGIN { printf "  %-22s %8.2f\n", "ratio program/bare", p / b }'

# --- size ----------------------------------------------------------------------
echo
echo "Size of brenvik-config-assistant.exe (target: at most 1 MiB = 1048576 bytes):"
size_row() { # size_row LABEL FILE
    printf '  %-40s %9d bytes (%.2f MiB)\n' "$1" "$(stat -c %s "$2")" "$(awk -v s="$(stat -c %s "$2")" 'BEGIN { print s / 1048576 }')"
}
size_row "as built (windows preset, RelWithDebInfo)" build/windows/brenvik-config-assistant.exe
x86_64-w64-mingw32-strip -o "$work/stripped.exe" build/windows/brenvik-config-assistant.exe
size_row "the same, stripped" "$work/stripped.exe"
cmake --preset windows-release >/dev/null
cmake --build --preset windows-release >/dev/null
size_row "windows-release preset" build/windows-release/brenvik-config-assistant.exe
x86_64-w64-mingw32-strip -o "$work/release-stripped.exe" build/windows-release/brenvik-config-assistant.exe
size_row "windows-release preset, stripped" "$work/release-stripped.exe"
