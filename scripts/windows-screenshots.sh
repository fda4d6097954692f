#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Runs the Windows program under Wine on a virtual X display and saves PNG
# screenshots of its windows, each cropped to its frame: the three tabs, the
# command list window for the study and the iBeacon defaults, and the message
# box of a rejection (the Notify field emptied) with the main window after it.
# Once at 96 DPI and once at 144 DPI (a prefix whose display is set to 144
# DPI; the program scales itself), each in a fresh Wine prefix of its own,
# showing Wine's own virtual desktop (which draws the windows' frames) on
# Xvfb, with Wine's own faces in the prefix and no other (a fontconfig file
# of its own: see use_font_setup in scripts/lib/wine.sh). The windows show
# Wine's "Light" visual style, which a fresh prefix has, as a Windows 10
# user sees a visual style. Checks on the way that each window's client
# area has its fixed size.
#
# Usage: scripts/windows-screenshots.sh [--check | --classic]
#   no option   saves them in docs/screenshots/windows/ (96 DPI) and
#               docs/screenshots/windows/dpi-144/
#   --check     takes them into a temporary folder and removes it: only the
#               windows appearing, their sizes and the program's exit code
#               count; once with the visual style and once without
#   --classic   with no visual style (ThemeActive 0), the classic look, into
#               build/screenshots/windows-classic/ (not kept in the project)
#
# Builds the program with the "windows" preset (build/windows) and installs
# what it needs from Debian when missing: MinGW-w64, Wine, Xvfb, ImageMagick.
# The program is driven from outside by tools/win32-drive (built with it),
# which sends it the messages a click, a tab change or typing would bring.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
source scripts/lib/desktop.sh
source scripts/lib/wine.sh
source scripts/lib/form.sh

check=false
classic=false
case "${1:-}" in
--check) check=true ;;
--classic) classic=true ;;
'') ;;
*) echo "Usage: $0 [--check | --classic]" >&2; exit 2 ;;
esac

ensure_packages "${WINE_PACKAGES[@]}" "${DESKTOP_PACKAGES[@]}" imagemagick
build_windows brenvik-config-assistant win32-drive
program=$(realpath build/windows/brenvik-config-assistant.exe)
form_facts

open_session
trap 'end_wine; close_session' EXIT

# shot NAME CLASS [CLIENT_SIZE]: saves the window of CLASS, framed, once the
# screen has settled; fails unless its client area is CLIENT_SIZE.
shot() {
    local name=$1 class=$2 where left top width height client
    where=$(drive wait "$class")
    read -r left top width height client <<<"$where"
    if [ -n "${3:-}" ] && [ "$client" != "$3" ]; then
        echo "The window of class $class has a client area of $client, not $3" >&2
        exit 1
    fi
    sleep 0.3
    grab root "$work/screen.png"
    # No time stamps in the file: the same picture gives the same bytes.
    convert "$work/screen.png" -crop "${width}x$height+$left+$top" +repage \
        -define png:exclude-chunks=date,time "$out_dir/$name.png"
    echo "Saved $out_dir/$name.png (${width}x$height, class $class, client area $client)"
}

# list_shot NAME BUTTON: the command list that BUTTON of the main window
# makes, saved as NAME (checked against run_at's list_size), then closed
# with its OK button.
list_shot() {
    drive click "$main_class" "$2"
    shot "$1" "$list_class" "$list_size"
    drive click "$list_class" btnOK
    drive gone "$list_class"
}

# run_at DPI OUT_DIR: one whole round at that DPI.
run_at() {
    local dpi=$1 factor
    out_dir=$2
    mkdir -p "$out_dir"
    factor=$(awk -v dpi="$dpi" 'BEGIN { print dpi / 96 }')
    local screen main_size list_size
    screen="$(scaled 1024 "$factor")x$(scaled 768 "$factor")"
    main_size=$(client_size frmMain "$factor")
    list_size=$(client_size frmResult "$factor")

    # Each round in a folder of its own.
    local round=$dpi
    $classic && round=$dpi-classic
    mkdir -p "$work/$round"
    start_xvfb "$work/$round" "$screen"
    use_font_setup "$work/$round/fonts"
    new_wine_prefix "$work/$round/wine" x11 "$dpi"
    wine_virtual_desktop "$screen"
    local look="the Light visual style"
    if $classic; then
        wine_reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive /d 0
        look="no visual style"
    fi
    echo "Virtual display $DISPLAY, ${screen}, $dpi DPI, $look"

    "$wine64" "$program" >"$work/$round/program.log" 2>&1 &
    program_pid=$!

    # The keyboard focus starts on the tab strip.
    shot main-study-tab "$main_class" "$main_size"
    drive tab "$main_class" 1
    shot main-ibeacon-tab "$main_class" "$main_size"
    drive tab "$main_class" 2
    shot main-about-tab "$main_class" "$main_size"

    drive tab "$main_class" 0
    list_shot command-list-study btnShow

    drive text "$main_class" edtCharNotify ''
    drive click "$main_class" btnShow
    shot message-fill-in-all-fields "$message_class"
    drive ok "$message_class"
    drive gone "$message_class"
    # The focus is now in the emptied field.
    shot main-after-rejection "$main_class" "$main_size"

    drive tab "$main_class" 1
    list_shot command-list-ibeacon btniBeacon

    # The close box ends the program, with exit code 0.
    drive close "$main_class"
    local status=0
    wait "$program_pid" || status=$?
    program_pid=''
    if [ "$status" -ne 0 ]; then
        echo "The program ended with exit code $status" >&2
        cat "$work/$round/program.log" >&2
        exit 1
    fi

    end_wine
    stop "$xvfb_pid"
    xvfb_pid=''
}

if $check; then
    run_at 96 "$work/shots"
    run_at 144 "$work/shots/dpi-144"
    classic=true
    run_at 96 "$work/shots/classic"
    echo "All rounds passed: every window appeared with its size; the program ended cleanly."
elif $classic; then
    run_at 96 build/screenshots/windows-classic
    run_at 144 build/screenshots/windows-classic/dpi-144
    echo "Screenshots are in build/screenshots/windows-classic/"
else
    run_at 96 docs/screenshots/windows
    run_at 144 docs/screenshots/windows/dpi-144
    echo "Screenshots are in docs/screenshots/windows/"
fi
