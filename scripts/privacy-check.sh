#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Runs the real program under Xvfb and strace, makes a command list and a
# rejection through the keyboard, closes it, and fails if the program
# created or wrote any file, opened a socket other than its display and
# desktop-session connections, or started another program.
#
#   scripts/privacy-check.sh [BUILD_DIR]     (default: build/dev)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
source scripts/lib/desktop.sh
source scripts/lib/form.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${DESKTOP_PACKAGES[@]}" strace procps dbus-daemon dbus-bin

build_program "$@"
form_facts

open_session
start_desktop "$work"

# In the session's bus: the program talks to the session bus only to offer
# its accessibility interface to screen readers.
cat >"$work/session.sh" <<SESSION
strace -f -qq -o "$work/trace" -e trace=%file,%network,%process "$program" &
echo "\$DBUS_SESSION_BUS_ADDRESS" >"$work/bus"
wait
SESSION
dbus-run-session -- bash "$work/session.sh" 2> >(grep -vE "$dbus_notes" >&2) &
program_pid=$!

key() { xdotool key --delay 80 "$@"; sleep 0.4; }

failures=()
main=$(wait_window "$frmMain_CAPTION") && sleep 0.5
xdotool windowactivate --sync "$main"
key "${create_study_keys[@]}"
wait_window "$frmResult_CAPTION" >/dev/null || failures+=("the command list window did not open")
key "${close_list_keys[@]}"
# Back to the type, choose 128-bit: the 16-bit defaults are then rejected.
mapfile -t to_type < <(tab_keys btnShow cbUUIDType)
mapfile -t to_button < <(tab_keys cbUUIDType btnShow)
key "${to_type[@]}" Down "${to_button[@]}" space
wait_window "$MESSAGE_CAPTION" >/dev/null || failures+=("the rejection did not show")
key Return
xdotool windowactivate --sync "$main"
key alt+F4
for _ in $(seq 100); do pgrep -f "^$program" >/dev/null || break; sleep 0.1; done
pgrep -f "^$program" >/dev/null && failures+=("the program did not end when its window was closed")
sleep 0.5

trace="$work/trace"
bus_path=$(sed -n 's/^unix:path=\([^,]*\).*/\1/p' "$work/bus")
display_socket="/tmp/.X11-unix/X${DISPLAY#:}"
# A trace that does not show the program starting and reaching its display
# watched nothing.
if ! grep -qF "execve(\"$program\"" "$trace" 2>/dev/null || ! grep -qF "$display_socket" "$trace"; then
    echo "FAILED: strace did not see the program start and reach the display; nothing was checked" >&2
    exit 1
fi

echo "strace saw $(grep -c . "$trace") calls to files, sockets and processes."
# Files opened for writing, and calls that create, change or remove files.
writes=$(grep -E '^[0-9]+ +(open|openat|openat2|creat)\(' "$trace" | grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND|creat\(' \
    | grep -v '"/dev/null"' | grep -vE '= -1 ' || true)
changes=$(grep -E '^[0-9]+ +(mkdir|mkdirat|rename|renameat2?|unlink|unlinkat|link|linkat|symlink|symlinkat|truncate|chmod|fchmodat|chown|fchownat|utimensat|mknod|mknodat)\(' "$trace" \
    | grep -vE '= -1 ' || true)
# Sockets: only the display, the session bus, and glibc's failed look-up of
# the name service cache daemon (for the user's home folder) are expected.
sockets=$(grep -E '^[0-9]+ +(socket|connect|bind|listen|accept4?)\(' "$trace" \
    | grep -vE "connect\([0-9]+, \{sa_family=AF_UNIX, sun_path=@?\"($display_socket|${bus_path:-/nonexistent})\"\}" \
    | grep -vE 'connect\([0-9]+, \{sa_family=AF_UNIX, sun_path="/var/run/nscd/socket"\}, [0-9]+\) = -1 ENOENT' \
    | grep -vE 'socket\(AF_UNIX, ' || true)
programs=$(grep -E '^[0-9]+ +execve\(' "$trace" | tail -n +2 || true)

report() { # report WHAT LINES
    [ -z "$2" ] && return 0
    failures+=("$1")
    printf '%s:\n%s\n' "$1" "$2" | head -n 20
}
report "files written or created" "$writes"
report "files changed" "$changes"
report "sockets besides the display and the session bus" "$sockets"
report "programs started" "$programs"

echo "connections: $(grep -cE 'connect\(' "$trace") (display: $(grep -c "$display_socket" "$trace"), session bus: $(grep -c "${bus_path:-/nonexistent}" "$trace"))"
if [ ${#failures[@]} -ne 0 ]; then
    printf 'FAILED: %s\n' "${failures[@]}"
    exit 1
fi
echo "Privacy check passed: no file written or created, no other socket, no other program."
