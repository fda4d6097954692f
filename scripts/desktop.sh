# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Sourced by the scripts that drive the real program: a virtual desktop of
# its own, as a user's login gives it. Needs xvfb, jwm and x11-utils.

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
# start_desktop WORK_DIR: starts Xvfb on a free display and the small window
# manager jwm (title bars only, focus by click, Alt+F4 closes the active
# window); exports DISPLAY and a fresh XDG_RUNTIME_DIR; sets xvfb_pid and
# wm_pid for stop.
start_desktop() {
    local work=$1
    # Xvfb picks a free display itself and writes its number once it is ready.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset 3>"$work/display" \
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

    cat >"$work/jwmrc" <<'JWMRC'
<?xml version="1.0"?>
<JWM>
    <WindowStyle>
        <Font>Sans-9:bold</Font>
        <Width>4</Width>
        <Height>20</Height>
        <Corner>0</Corner>
        <Foreground>#FFFFFF</Foreground>
        <Background>#7A96DF</Background>
        <Outline>#000000</Outline>
        <Active>
            <Foreground>#FFFFFF</Foreground>
            <Background>#0A246A:#3A6EA5</Background>
            <Outline>#000000</Outline>
        </Active>
    </WindowStyle>
    <FocusModel>click</FocusModel>
    <Key mask="A" key="F4">close</Key>
</JWM>
JWMRC
    HOME="$work" jwm -f "$work/jwmrc" >"$work/jwm.log" 2>&1 &
    wm_pid=$!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    cat "$work/jwm.log" >&2
    echo "jwm did not start" >&2
    exit 1
}
