# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Sourced by the scripts that build the Windows program and run it under
# Wine: the packages they need, and a fresh Wine prefix of their own that
# asks for nothing and writes nothing outside itself.

# MinGW-w64 (64-bit, POSIX threads), Wine (64-bit only on Debian) and the
# faces Wine draws its windows with.
WINDOWS_BUILD_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix doctest-dev)
WINE_PACKAGES=(wine wine64 fonts-wine)

wine64=/usr/lib/wine/wine64

# new_wine_prefix DIR [DRIVER [DPI]]: makes a fresh 64-bit prefix in DIR and
# exports WINEPREFIX and the settings every Wine command here uses. DRIVER
# is Wine's display driver: "null" (no display needed, the default) or "x11".
# DPI, 96 unless told, is the prefix's display resolution.
new_wine_prefix() {
    local dir=$1 driver=${2:-null} dpi=${3:-96}
    use_wine_prefix "$dir"
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    "$wine64" wineboot --init >/dev/null 2>&1
    wineserver -w
    wine_reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$driver"
    wine_reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi"
    # Wine does not look for Debian's copies of its faces by itself.
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    wineserver -w
}

# use_wine_prefix DIR: exports WINEPREFIX and the settings every Wine
# command here uses, for a prefix made by new_wine_prefix.
use_wine_prefix() {
    export WINEPREFIX=$1 WINEARCH=win64 WINEDEBUG=-all
    # No Mono or Gecko installers to ask for, no menu entries or file
    # associations written to the user's desktop.
    export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
}

# wine_virtual_desktop WIDTHxHEIGHT: Wine's own desktop of that size, which
# fills the X screen and draws the windows' frames.
wine_virtual_desktop() {
    wine_reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default
    wine_reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$1"
}

# wine_reg ARGS...: the registry tool of the prefix, quietly.
wine_reg() {
    "$wine64" reg "$@" /f >/dev/null 2>&1
}

# end_wine: stops the prefix's wineserver and everything still running in it.
end_wine() {
    [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] || return 0
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}
