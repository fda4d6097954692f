# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Sourced by the scripts that drive the real program: a virtual desktop of
# its own, as a user's login gives it, on X11 (Xvfb and the window manager
# openbox as Debian configures it) or on Wayland (the compositor weston,
# shown in an Xvfb screen), the helpers that type into it and take its
# picture, and the interleaved runs and medians of the start-up benchmarks.

# What start_desktop needs; start_wayland_desktop also needs WAYLAND_PACKAGES.
DESKTOP_PACKAGES=(xvfb x11-utils xdotool openbox)
WAYLAND_PACKAGES=(weston qt6-wayland)

# What dbus-daemon says that is no news about the program: the services it
# starts, and the open-file limit that it may not raise as root in a
# container. The scripts that start a session bus leave these lines out.
dbus_notes='Failed to set fd limit|Activating service name=|Successfully activated service'

# The captions of the program's windows, by which the scripts know them.
main_caption='Brenvik Config Assistant V1.02'
list_caption='AT Commands List'
message_caption='www.brenvik.example'

# build_program [BUILD_DIR]: builds the program in BUILD_DIR (configured as a
# release build without tests when new), or with the "dev" preset in
# build/dev; sets program to its full path.
build_program() {
    local build_dir=${1:-}
    if [ -n "$build_dir" ]; then
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
}

stop() { # stop PID: ends one process this script started, politely first
    local pid=$1
    [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null || return 0
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

# open_session: a scratch folder in $work; on exit, whatever still runs of
# the program ($program_pid), the window manager and Xvfb is stopped and the
# folder removed.
open_session() {
    work=$(mktemp -d)
    program_pid=''
    wm_pid=''
    xvfb_pid=''
    trap close_session EXIT
}
close_session() {
    stop "$program_pid"
    stop "$wm_pid"
    stop "$xvfb_pid"
    rm -rf "$work"
}

# start_xvfb WORK_DIR [WIDTHxHEIGHT]: starts Xvfb on a free display (1024x768
# unless told); exports DISPLAY and a fresh XDG_RUNTIME_DIR; sets xvfb_pid.
start_xvfb() {
    local work=$1 size=${2:-1024x768}
    # Xvfb picks a free display itself and writes its number once it is ready.
    Xvfb -displayfd 3 -screen 0 "${size}x24" -dpi 96 -nolisten tcp -noreset 3>"$work/display" \
        2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; exit 1; }
        sleep 0.1
    done
    [ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
    DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
    export DISPLAY
    mkdir -m 700 "$work/runtime"
    export XDG_RUNTIME_DIR="$work/runtime"
}

# start_desktop WORK_DIR [WIDTHxHEIGHT]: Xvfb and the window manager openbox
# with Debian's default settings (title bars with icon, caption and buttons,
# focus by click, Alt+F4 closes the active window); sets xvfb_pid and wm_pid
# for stop.
start_desktop() {
    local work=$1
    start_xvfb "$@"
    # An empty home: no user's own settings.
    HOME="$work" XDG_CONFIG_HOME="$work/config" openbox --sm-disable >"$work/wm.log" 2>&1 &
    wm_pid=$!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    cat "$work/wm.log" >&2
    echo "openbox did not start" >&2
    exit 1
}

# start_wayland_desktop WORK_DIR: Xvfb showing weston's desktop shell, which
# takes its keys and pointer from Xvfb; exports WAYLAND_DISPLAY; sets
# xvfb_pid and wm_pid for stop.
start_wayland_desktop() {
    local work=$1
    start_xvfb "$work"
    cat >"$work/weston.ini" <<'INI'
[core]
idle-time=0

[shell]
panel-position=none
background-color=0xff3a6ea5
INI
    weston --backend=x11-backend.so --width=1024 --height=768 --use-pixman --socket=wayland-desktop \
        --config="$work/weston.ini" >"$work/wm.log" 2>&1 &
    wm_pid=$!
    export WAYLAND_DISPLAY=wayland-desktop
    for _ in $(seq 100); do
        [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && grep -q 'weston-desktop-shell' "$work/wm.log" && break
        kill -0 "$wm_pid" 2>/dev/null || { cat "$work/wm.log" >&2; exit 1; }
        sleep 0.1
    done
    [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || { cat "$work/wm.log" >&2; echo "weston did not start" >&2; exit 1; }
    sleep 0.5
    # weston moves its pointer by the X pointer's moves alone, from where it
    # believes the pointer starts (not always where X has it). A move across
    # the whole screen and back puts both in the top left corner.
    xdotool mousemove 1023 767
    sleep 0.2
    xdotool mousemove 0 0
    sleep 0.2
}

keys() { # keys KEY...: typed into the window that has the focus
    xdotool key --delay 60 "$@"
    sleep 0.2
}

# grab WINDOW FILE: saves the X window's picture once it has settled: two
# equal grabs in a row (a blinking caret may need a third).
grab() {
    local window=$1 file=$2 previous='' current
    for _ in $(seq 10); do
        import -window "$window" "$file"
        current=$(md5sum <"$file")
        [ "$current" = "$previous" ] && break
        previous=$current
        sleep 0.15
    done
}

# For the start-up benchmarks, which define run_once NAME PROGRAM:
# run_interleaved RUNS BARE PROGRAM runs each once to warm up ("warmup"),
# then RUNS times as "bare" and "program", alternating which goes first so
# that neither always follows the other.
run_interleaved() {
    local runs=$1 bare=$2 program=$3 run
    run_once warmup "$bare"
    run_once warmup "$program"
    for run in $(seq "$runs"); do
        if [ $((run % 2)) -eq 1 ]; then
            run_once bare "$bare"
            run_once program "$program"
        else
            run_once program "$program"
            run_once bare "$bare"
        fi
    done
}
median() { # median FILE
    sort -g "$1" | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
range() { # range FILE: "min-max"
    sort -g "$1" | awk 'NR == 1 { min = $1 } { max = $1 } END { printf "%s-%s", min, max }'
}
