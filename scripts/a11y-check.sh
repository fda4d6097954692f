#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Starts the real program on a virtual X desktop with the accessibility bus
# that a desktop login provides, and asks it what a screen reader would
# (scripts/lib/a11y-probe.py, through python3-pyatspi): every field has a name and
# a description, every button and picture a name, and the command list can
# be read and selected but not changed.
#
#   scripts/a11y-check.sh [BUILD_DIR]     (default: the "dev" preset, build/dev)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
source scripts/lib/desktop.sh
source scripts/lib/form.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${DESKTOP_PACKAGES[@]}" at-spi2-core python3-pyatspi dbus-daemon dbus-bin

build_program "$@"
form_facts
open_session
start_desktop "$work"

# Debian's python3, which python3-pyatspi belongs to.
probe=(/usr/bin/python3 "$PWD/scripts/lib/a11y-probe.py")
cat >"$work/session.sh" <<SESSION
set -e
/usr/libexec/at-spi-bus-launcher --launch-immediately &
# Qt offers its interface when a screen reader runs; here none does.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
xdotool search --sync --onlyvisible --name "^$frmMain_CAPTION\\\$" >/dev/null
${probe[*]} main
xdotool key --delay 80 ${create_study_keys[*]}
timeout 15 xdotool search --sync --onlyvisible --name "^$frmResult_CAPTION\\\$" >/dev/null
${probe[*]} list
kill %2 %1
SESSION
dbus-run-session -- bash "$work/session.sh" 2> >(grep -vE "$dbus_notes" >&2) &
program_pid=$!
wait "$program_pid"
program_pid=''
echo "Accessibility check passed."
