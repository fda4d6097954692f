#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Builds the Windows program and its test suite with MinGW-w64, then runs
# the suite under Wine with no display (Wine's null display driver), once in
# each font setup, each in a fresh prefix of its own that sees only the
# faces of its setup (its own fontconfig file) besides Wine's own:
#   wine          Wine's own faces only
#   cjk-no-latin  plus a CJK face that claims GB2312 but has no Latin
#                 letters (fonts-droid-fallback, which many desktops bring)
#   gb2312-latin  plus a GB2312 face with Latin letters, as SimSun is on
#                 Windows (fonts-arphic-uming), after the one without
# The extra faces come from Debian's packages, unpacked into a cache of the
# project's own (see use_font_setup in scripts/lib/wine.sh), never installed.
# The whole suite runs in the first setup; in the others, the parts that
# depend on the faces: the layout (text fit, glyphs, the face chosen) and
# the look. Each prefix shows Wine's "Light" visual style, as a fresh one
# does; in the first setup the look runs once more without it (ThemeActive 0).
# Prints CTest's summary for each run; fails on any failure.
#
# Usage: scripts/test-windows.sh [SETUP...]   (default: all three)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
source scripts/lib/wine.sh
ensure_packages "${WINE_PACKAGES[@]}"

setup_packages() { # setup_packages SETUP: the Debian packages of its faces
    case $1 in
    wine) ;;
    cjk-no-latin) echo fonts-droid-fallback ;;
    gb2312-latin) echo fonts-droid-fallback fonts-arphic-uming ;;
    *) echo "Unknown font setup: $1 (wine, cjk-no-latin or gb2312-latin)" >&2; exit 2 ;;
    esac
}
setups=("$@")
[ ${#setups[@]} -gt 0 ] || setups=(wine cjk-no-latin gb2312-latin)
for setup in "${setups[@]}"; do setup_packages "$setup" >/dev/null; done

build_windows all

work=$(mktemp -d)
trap 'end_wine; rm -rf "$work"' EXIT
failed=()
for setup in "${setups[@]}"; do
    echo "=== Font setup: $setup"
    # shellcheck disable=SC2046 # one word per package
    use_font_setup "$work/$setup/fonts" $(setup_packages "$setup")
    new_wine_prefix "$work/$setup/wine" null
    # The suite checks the face and the look it expects in this setup.
    export BRENVIK_FONT_SETUP=$setup
    if [ "$setup" = "${setups[0]}" ]; then
        BRENVIK_LOOK=themed ctest --preset windows || failed+=("$setup")
        echo "=== Font setup: $setup, no visual style"
        wine_reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive /d 0
        wineserver -w
        BRENVIK_LOOK=classic ctest --preset windows -R '^win32_look$' || failed+=("$setup without a visual style")
    else
        BRENVIK_LOOK=themed ctest --preset windows -R '^win32_(layout|look)$' || failed+=("$setup")
    fi
    end_wine
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "The Windows suite failed in the font setups: ${failed[*]}" >&2
    exit 1
fi
echo "The Windows suite passed in the font setups: ${setups[*]}"
