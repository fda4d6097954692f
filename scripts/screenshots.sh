#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Starts the real program on a virtual X display and saves PNG screenshots of
# its windows, driving it with key presses as a user would: the three tabs, a
# rejection's message box and the command list window for the study and the
# iBeacon defaults. Checks on the way that each window has its fixed size,
# that the window manager keeps the list and the message box over the main
# window, and that the program ends cleanly when its window is closed.
#
# Usage: scripts/screenshots.sh [--check] [--scale FACTOR] [BUILD_DIR]
#   --check    the checks alone; no picture is taken (CI's smoke run)
#   --scale    runs the program at QT_SCALE_FACTOR=FACTOR (default 1) on a
#              screen that much larger than 1024x768; the screenshots go to
#              docs/screenshots/scale-FACTOR/ (scale 1: docs/screenshots/)
#   BUILD_DIR  a build directory holding (or to hold) brenvik-config-assistant;
#              without it the "dev" preset is configured and built (build/dev).
#
# Installs what it needs from Debian when missing: Xvfb, xdotool, ImageMagick,
# x11-utils and the window manager openbox, which draws the title bars that
# the screenshots show and gives the keyboard focus to each new window as a
# desktop does.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
source scripts/lib/desktop.sh
source scripts/lib/form.sh

check_only=false
scale=1
while :; do
    case "${1:-}" in
    --check) check_only=true; shift ;;
    --scale) scale=${2:?--scale needs a factor such as 1.5}; shift 2 ;;
    *) break ;;
    esac
done
[[ $scale =~ ^[1-9][0-9]*(\.[0-9]+)?$ ]] || { echo "The scale must be a number such as 1, 1.5 or 2" >&2; exit 2; }
ensure_packages "${BUILD_PACKAGES[@]}" "${DESKTOP_PACKAGES[@]}" imagemagick

build_program "$@"
form_facts
out_dir=docs/screenshots
[ "$scale" = 1 ] || out_dir=docs/screenshots/scale-$scale
$check_only || mkdir -p "$out_dir"

# The client areas the windows keep, in the screen's pixels.
main_size=$(client_size frmMain "$scale")
list_size=$(client_size frmResult "$scale")

# --- display, window manager, clean-up -------------------------------------
open_session

screen_width=$(scaled 1024 "$scale")
screen_height=$(scaled 768 "$scale")
start_desktop "$work" "${screen_width}x$screen_height"
echo "Virtual display $DISPLAY, ${screen_width}x$screen_height, scale $scale"
# Keep the pointer away from the windows, so that no control shows hover.
xdotool mousemove $((screen_width - 1)) $((screen_height - 1))

# --- helpers -----------------------------------------------------------------
frame_of() { # frame_of ID: the window manager's frame around a top-level window
    local id=$1 root parent
    root=$(xwininfo -root | awk '/Window id:/ {print $4}')
    while :; do
        parent=$(xwininfo -tree -id "$id" | awk '/Parent window id:/ {print $4}')
        [ -z "$parent" ] || [ "$((parent))" -eq "$((root))" ] && break
        id=$parent
    done
    echo "$id"
}
shot() { # shot NAME CAPTION [SIZE]: saves the framed window (unless --check); fails unless its client area is SIZE
    local name=$1 id size
    id=$(wait_window "$2")
    xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
    sleep 0.4
    size=$(xwininfo -id "$id" | awk '/^  Width:/ {w = $2} /^  Height:/ {h = $2} END {print w "x" h}')
    if [ -n "${3:-}" ] && [ "$size" != "$3" ]; then
        echo "Window \"$2\" is $size, not $3" >&2
        exit 1
    fi
    if $check_only; then
        echo "Window \"$2\" shown${3:+, client area $size}"
        return 0
    fi
    grab "$(frame_of "$id")" "$work/shot.png"
    cp "$work/shot.png" "$out_dir/$name.png"
    echo "Saved $out_dir/$name.png ($(identify -format '%wx%h' "$out_dir/$name.png"), window $2, client area $size)"
}
check_transient() { # check_transient CAPTION: fails unless the window manager keeps that window over the main window
    local owner main
    owner=$(xprop -id "$(wait_window "$1")" WM_TRANSIENT_FOR | awk '/window id/ {print $NF}')
    main=$(wait_window "$frmMain_CAPTION")
    if [ -z "$owner" ] || [ "$((owner))" -ne "$((main))" ]; then
        echo "Window \"$1\" is transient for ${owner:-no window}, not the main window $main" >&2
        exit 1
    fi
}
start_program() {
    # The program decides its own platform (xcb here) and the scale is the
    # user's; nothing else is passed to it.
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$program" >"$work/program.log" 2>&1 &
    program_pid=$!
    local id
    id=$(wait_window "$frmMain_CAPTION")
    xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
    sleep 0.3
}
end_program() {
    # Alt+F4 is the window manager's close command: the same as the close box.
    xdotool windowactivate --sync "$(wait_window "$frmMain_CAPTION")" >/dev/null 2>&1 || true
    keys alt+F4
    local _
    for _ in $(seq 50); do
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$program_pid" 2>/dev/null; then
        echo "The program did not end when its main window was closed" >&2
        exit 1
    fi
    wait "$program_pid" || { echo "The program ended with an error" >&2; cat "$work/program.log" >&2; exit 1; }
    program_pid=''
}

# --- the tabs, the study list and a rejection --------------------------------
start_program
# The keyboard focus starts on the tab strip; Ctrl+Tab turns the pages.
shot main-study-tab "$frmMain_CAPTION" "$main_size"
keys ctrl+Tab
shot main-ibeacon-tab "$frmMain_CAPTION" "$main_size"
keys ctrl+Tab
shot main-about-tab "$frmMain_CAPTION" "$main_size"
keys ctrl+Tab
keys "${create_study_keys[@]}"
shot command-list-study "$frmResult_CAPTION" "$list_size"
check_transient "$frmResult_CAPTION"
keys "${close_list_keys[@]}"
wait_gone "$frmResult_CAPTION"
# Back on btnShow.
keys "${empty_notify_keys[@]}"
shot message-fill-in-all-fields "$MESSAGE_CAPTION"
check_transient "$MESSAGE_CAPTION"
keys space
wait_gone "$MESSAGE_CAPTION"
# The focus is now in the emptied field.
shot main-after-rejection "$frmMain_CAPTION" "$main_size"
end_program

# --- the iBeacon list, from a fresh start ------------------------------------
start_program
keys ctrl+Tab
keys "${create_ibeacon_keys[@]}"
shot command-list-ibeacon "$frmResult_CAPTION" "$list_size"
keys "${close_list_keys[@]}"
wait_gone "$frmResult_CAPTION"
end_program

if $check_only; then
    echo "Every window appeared with its size, the list and the message box over the main window; the program ended cleanly."
else
    echo "Screenshots are in $out_dir/"
fi
