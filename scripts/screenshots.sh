#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Starts the real program on a virtual X display and saves PNG screenshots of
# its windows into docs/screenshots/, driving it with key presses as a user
# would: the three tabs, a rejection's message box and the command list
# window for the study and the iBeacon defaults.
#
# Usage: scripts/screenshots.sh [BUILD_DIR]
#   BUILD_DIR  a build directory holding (or to hold) brenvik-config-assistant;
#              without it the "dev" preset is configured and built (build/dev).
#
# Installs what it needs from Debian when missing: Xvfb, xdotool, ImageMagick,
# x11-utils and the small window manager jwm. jwm draws the title bars that
# the screenshots show (caption, icon, and only the buttons that each window
# asks for: minimise and close on the main window, close alone on the
# others), and gives the keyboard focus to each new window as a desktop does.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
source scripts/desktop.sh
ensure_packages "${BUILD_PACKAGES[@]}" xvfb xdotool imagemagick x11-utils jwm

# --- build -----------------------------------------------------------------
if [ $# -ge 1 ]; then
    build_dir=$1
    if [ ! -f "$build_dir/CMakeCache.txt" ]; then
        cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRENVIK_BUILD_TESTS=OFF
    fi
    cmake --build "$build_dir" --target brenvik-config-assistant
else
    build_dir=build/dev
    cmake --preset dev
    cmake --build --preset dev --target brenvik-config-assistant
fi
program=$(realpath "$build_dir/brenvik-config-assistant")
out_dir=docs/screenshots
mkdir -p "$out_dir"

main_caption='Brenvik Config Assistant V1.02'
list_caption='AT Commands List'
message_caption='www.brenvik.example'

# --- display, window manager, clean-up -------------------------------------
work=$(mktemp -d)
xvfb_pid=''
wm_pid=''
program_pid=''

cleanup() {
    stop "$program_pid"
    stop "$wm_pid"
    stop "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT

start_desktop "$work"
echo "Virtual display $DISPLAY"
# Keep the pointer away from the windows, so that no control shows hover.
xdotool mousemove 1023 767

# --- helpers -----------------------------------------------------------------
wait_window() { # wait_window CAPTION: prints the id of the visible window with that caption
    local id
    id=$(timeout 15 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) \
        || { echo "No window \"$1\" appeared" >&2; exit 1; }
    echo "$id"
}
wait_gone() { # wait_gone CAPTION
    local _
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    echo "Window \"$1\" did not close" >&2
    exit 1
}
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
keys() { # keys KEY...: typed into the window that has the focus
    xdotool key --delay 60 "$@"
    sleep 0.2
}
shot() { # shot NAME CAPTION: saves the framed window once its picture has settled
    local name=$1 id frame previous='' current
    id=$(wait_window "$2")
    xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
    frame=$(frame_of "$id")
    sleep 0.4
    # Two equal grabs in a row: painting is done (a blinking caret may need a third).
    for _ in $(seq 10); do
        import -window "$frame" "$work/shot.png"
        current=$(md5sum <"$work/shot.png")
        [ "$current" = "$previous" ] && break
        previous=$current
        sleep 0.15
    done
    cp "$work/shot.png" "$out_dir/$name.png"
    echo "Saved $out_dir/$name.png ($(identify -format '%wx%h' "$out_dir/$name.png"), window $2)"
}
start_program() {
    # The program decides its own platform (xcb here); nothing else is passed to it.
    QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
    program_pid=$!
    local id
    id=$(wait_window "$main_caption")
    xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
    sleep 0.3
}
end_program() {
    # Alt+F4 is the window manager's close command: the same as the close box.
    xdotool windowactivate --sync "$(wait_window "$main_caption")" >/dev/null 2>&1 || true
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
shot main-study-tab "$main_caption"
keys ctrl+Tab
shot main-ibeacon-tab "$main_caption"
keys ctrl+Tab
shot main-about-tab "$main_caption"
keys ctrl+Tab
# Keyboard order on the study tab: cbUUIDType, edtCharWrite, edtCharNotify, btnShow.
keys Tab Tab Tab Tab space
shot command-list-study "$list_caption"
# The focus starts in the text; Tab reaches OK.
keys Tab space
wait_gone "$list_caption"
# Back on btnShow: empty the Notify field and create again.
keys shift+Tab ctrl+a BackSpace Tab space
shot message-fill-in-all-fields "$message_caption"
keys space
wait_gone "$message_caption"
# The focus is now in the emptied field.
shot main-after-rejection "$main_caption"
end_program

# --- the iBeacon list, from a fresh start ------------------------------------
start_program
keys ctrl+Tab
# Keyboard order on the iBeacon tab: edtiBeaconMinor, edtiBeaconUUID, edtiBeaconMajor, btniBeacon.
keys Tab Tab Tab Tab space
shot command-list-ibeacon "$list_caption"
keys Tab space
wait_gone "$list_caption"
end_program

echo "Screenshots are in $out_dir/"
