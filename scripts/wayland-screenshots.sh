#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Runs the real program natively on Wayland, under the compositor weston,
# drives it with key presses as a user would (a command list, then a
# rejection) and saves pictures of the desktop into
# docs/screenshots/wayland/. On the way it checks, from the requests the
# program sends to the compositor, that each window appears with its caption
# and that the command list window and the message box are children of the
# main window (so the compositor keeps them in front of it), and that the
# program is still running at the end.
#
# Usage: scripts/wayland-screenshots.sh [--check] [BUILD_DIR]
#   --check    the checks alone; no picture is saved (CI's smoke run)
#   BUILD_DIR  as for scripts/screenshots.sh (default: the "dev" preset)
#
# weston runs with its X11 back end in an Xvfb screen, which gives it the key
# presses (xdotool) and whose picture is the desktop's (ImageMagick). Installs
# what it needs from Debian when missing: weston, qt6-wayland, Xvfb, xdotool,
# x11-utils and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
source scripts/lib/desktop.sh
source scripts/lib/form.sh

check_only=false
if [ "${1:-}" = --check ]; then
    check_only=true
    shift
fi
ensure_packages "${BUILD_PACKAGES[@]}" "${DESKTOP_PACKAGES[@]}" "${WAYLAND_PACKAGES[@]}" imagemagick
build_program "$@"
form_facts
out_dir=docs/screenshots/wayland
$check_only || mkdir -p "$out_dir"

open_session

start_wayland_desktop "$work"
echo "weston on $WAYLAND_DISPLAY, shown on Xvfb $DISPLAY"
# The pointer out of the way, in the bottom right corner.
xdotool mousemove 1023 767

# The program's requests to the compositor, as libwayland logs them.
requests=$work/requests.log
toplevel() { # toplevel CAPTION: the id of the newest window with that caption
    sed -n "s/.* -> xdg_toplevel@\([0-9]*\)\.set_title(\"$1\")\$/\1/p" "$requests" | tail -n 1
}
wait_toplevel() { # wait_toplevel CAPTION COUNT: waits for the COUNTth window with that caption
    local _
    for _ in $(seq 150); do
        [ "$(grep -c -- "-> xdg_toplevel@[0-9]*\.set_title(\"$1\")\$" "$requests")" -ge "$2" ] && return 0
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "No window \"$1\" appeared" >&2
    exit 1
}
wait_closed() { # wait_closed ID: waits for the program to destroy that window
    local _
    for _ in $(seq 100); do
        grep -q -- "-> xdg_toplevel@$1\.destroy()" "$requests" && return 0
        sleep 0.1
    done
    echo "Window xdg_toplevel@$1 did not close" >&2
    exit 1
}
type_keys() { # type_keys KEY...: typed once a window of the program has the keyboard
    local _
    for _ in $(seq 50); do
        # The keyboard's last arrival, after the last window came or went.
        awk '/-> xdg_toplevel@[0-9]+\.(set_title|destroy)\(/ { focus = 0 }
             /wl_keyboard@[0-9]+\.enter\(/ { focus = 1 }
             /wl_keyboard@[0-9]+\.leave\(/ { focus = 0 }
             END { exit !focus }' "$requests" && break
        sleep 0.1
    done
    keys "$@"
}
check_child() { # check_child CAPTION: fails unless that window is the main window's child
    local child
    child=$(toplevel "$1")
    if ! grep -q -- "-> xdg_toplevel@$child\.set_parent(xdg_toplevel@$(toplevel "$frmMain_CAPTION"))" "$requests"; then
        echo "Window \"$1\" is not a child of the main window: the compositor may put it behind" >&2
        exit 1
    fi
    echo "Window \"$1\" is the main window's child."
}
picture() { # picture NAME: saves the whole desktop once it has settled
    sleep 0.5
    $check_only && return 0
    grab root "$out_dir/$1.png"
    echo "Saved $out_dir/$1.png"
}

# Natively on Wayland, not through the X display that shows the desktop.
QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$program" >"$work/program.log" 2>"$requests" &
program_pid=$!
wait_toplevel "$frmMain_CAPTION" 1
picture main-window

type_keys "${create_study_keys[@]}"
wait_toplevel "$frmResult_CAPTION" 1
check_child "$frmResult_CAPTION"
picture command-list-study
type_keys "${close_list_keys[@]}"
wait_closed "$(toplevel "$frmResult_CAPTION")"

# Back on btnShow.
type_keys "${empty_notify_keys[@]}"
wait_toplevel "$MESSAGE_CAPTION" 1
check_child "$MESSAGE_CAPTION"
picture message-fill-in-all-fields
type_keys space
wait_closed "$(toplevel "$MESSAGE_CAPTION")"

kill -0 "$program_pid" 2>/dev/null || { echo "The program ended by itself" >&2; cat "$work/program.log" >&2; exit 1; }
echo "Wayland run passed: the main window, a command list and a rejection, each child window in front."
