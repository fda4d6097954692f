# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# shellcheck shell=bash disable=SC2034  # sourced: what it sets, the scripts use
# Sourced by the scripts that drive the program's windows: what they know of
# those windows comes from the windows' one description (ui/form), as
# tools/form-facts prints it, never typed here again.

# The captions form_facts sets, named here for the scripts that use them.
MESSAGE_CAPTION='' frmMain_CAPTION='' frmResult_CAPTION='' frmMain_CLASS='' frmResult_CLASS=''

# build_form_facts: builds tools/form-facts once (again when its sources
# change, with g++ alone: the Windows scripts have no native CMake build);
# sets form_facts_tool to it.
build_form_facts() {
    ensure_packages g++
    form_facts_tool=build/form-facts/form-facts
    local sources=(tools/form-facts/* ui/form/*.h ui/web/PageInsets.h core/*.h)
    if [ ! -x "$form_facts_tool" ] || [ -n "$(find "${sources[@]}" -newer "$form_facts_tool")" ]; then
        mkdir -p "${form_facts_tool%/*}"
        g++ -std=c++20 -O1 -Iui/form -Iui/web -Icore -o "$form_facts_tool.part" tools/form-facts/form-facts.cpp \
            || fail "tools/form-facts did not build"
        mv -f "$form_facts_tool.part" "$form_facts_tool"
    fi
}

# form_facts: builds tools/form-facts and sets what it prints:
# MESSAGE_CAPTION; for each window (frmMain, frmResult) NAME_CAPTION,
# NAME_CLASS and NAME_CLIENT (WIDTHxHEIGHT at 96 DPI); for each control
# TABS_TO_NAME, the presses of Tab from where the focus starts (the tab
# strip, in the list window the list) to it. Then the keys of the steps the
# scripts take (below).
form_facts() {
    build_form_facts
    local facts
    facts=$("$form_facts_tool" --shell) || fail "tools/form-facts printed nothing"
    eval "$facts"
    # The windows by their classes, for the Windows program's tools.
    main_class=$frmMain_CLASS list_class=$frmResult_CLASS

    # The keys a user presses for the steps the scripts take, each from where
    # the focus is at that step. On the study tab, from the tab strip, the
    # create button, pressed:
    mapfile -t create_study_keys < <(tab_keys start btnShow)
    create_study_keys+=(space)
    # From the iBeacon tab's strip, its create button, pressed:
    mapfile -t create_ibeacon_keys < <(tab_keys start btniBeacon)
    create_ibeacon_keys+=(space)
    # In the list window, from the list, OK, pressed:
    mapfile -t close_list_keys < <(tab_keys start btnOK)
    close_list_keys+=(space)
    # From the study tab's create button: back to the Notify field, emptied,
    # then the button again, pressed (a rejection).
    mapfile -t empty_notify_keys < <(tab_keys btnShow edtCharNotify)
    empty_notify_keys+=(ctrl+a BackSpace)
    mapfile -t -O ${#empty_notify_keys[@]} empty_notify_keys < <(tab_keys edtCharNotify btnShow)
    empty_notify_keys+=(space)
}

# tab_keys FROM TO: the presses of Tab (or Shift+Tab, going back) that take
# the focus from control FROM to control TO of the same page, one a line;
# FROM "start" is where the focus starts.
tab_keys() {
    local from=0 to=TABS_TO_$2 key=Tab count
    if [ "$1" != start ]; then
        from=TABS_TO_$1
        from=${!from:?no control $1 in the keyboard order}
    fi
    count=$((${!to:?no control $2 in the keyboard order} - from))
    if [ "$count" -lt 0 ]; then
        key=shift+Tab
        count=$((-count))
    fi
    for (( ; count > 0; --count)); do echo "$key"; done
}

# client_size WINDOW FACTOR: WINDOW's client area (NAME_CLIENT) in the
# screen's pixels at FACTOR times 96 DPI, rounded to the nearest pixel as
# both programs round: "WIDTHxHEIGHT".
client_size() {
    local size=${1}_CLIENT
    size=${!size:?no window $1 in the form}
    echo "$(scaled "${size%x*}" "$2")x$(scaled "${size#*x}" "$2")"
}
scaled() { # scaled PIXELS FACTOR
    awk -v n="$1" -v s="$2" 'BEGIN { printf "%d", n * s + 0.5 }'
}
