# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# shellcheck shell=bash disable=SC2034  # sourced: what it sets, the scripts use
# Sourced by the scripts that build the Windows program and run it under
# Wine: the packages they need, the build, a fresh Wine prefix of their own
# that asks for nothing and writes nothing outside itself, and the program
# driven from outside.

# MinGW-w64 (64-bit, POSIX threads), Wine (64-bit only on Debian) and the
# faces Wine draws its windows with.
WINDOWS_BUILD_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix doctest-dev)
WINE_PACKAGES=(wine wine64 fonts-wine)

wine64=/usr/lib/wine/wine64

# A message box by its class; the program's own windows by theirs, from
# form_facts (main_class, list_class).
message_class='#32770'

# build_windows TARGET...: the "windows" preset's build (build/windows) of
# those targets ("all": everything); installs what it needs first.
build_windows() {
    ensure_packages "${WINDOWS_BUILD_PACKAGES[@]}"
    cmake --preset windows >/dev/null
    cmake --build --preset windows --target "$@"
}

# make_installer VERSION PROGRAM OUTFILE: the installer
# (packaging/windows/brenvik-config-assistant.nsi) of PROGRAM, a full path,
# as VERSION, into OUTFILE; the window class by which it finds a running
# program comes from the form's description (needs scripts/lib/form.sh).
make_installer() {
    build_form_facts
    local facts=$PWD/build/form-facts/installer.nsh
    "$form_facts_tool" --nsis >"$facts" || fail "tools/form-facts printed nothing"
    makensis -V2 -WX -DVERSION="$1" -DPROGRAM="$2" -DOUTFILE="$3" -DFORM_FACTS="$facts" \
        "$PWD/packaging/windows/brenvik-config-assistant.nsi"
}

# drive COMMAND CLASS [ARGS]: tools/win32-drive (built by build_windows, or
# found at $drive_exe) sends the running program what a user's click, tab
# change or typing would; see tools/win32-drive/drive.cpp.
drive() {
    # Wine's console ends its lines with CR LF; a failure still shows (pipefail).
    "$wine64" "${drive_exe:-$PWD/build/windows/tools/win32-drive/win32-drive.exe}" "$@" | tr -d '\r'
}

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

# The extra faces a font setup takes from Debian's packages: downloaded and
# unpacked into a cache of this project's own, never installed.
font_cache=${XDG_CACHE_HOME:-$HOME/.cache}/brenvik-config-assistant/fonts

# use_font_setup DIR [PACKAGE...]: makes DIR hold the faces of the PACKAGEs
# (none: Wine's own faces only, which new_wine_prefix copies into the
# prefix) and exports FONTCONFIG_FILE, a configuration that lists DIR and
# nothing else, so that Wine sees no face the machine happens to have.
use_font_setup() {
    local dir=$1 package unpacked
    shift
    rm -rf "$dir"
    mkdir -p "$dir/faces"
    for package in "$@"; do
        unpacked=$font_cache/$package
        if [ ! -d "$unpacked" ]; then
            mkdir -p "$font_cache/download"
            # apt-get download needs the package lists, which a machine may lack.
            (cd "$font_cache/download" && apt-get download "$package" >/dev/null 2>&1) || {
                need_root "apt-get update"
                quietly "${sudo[@]}" apt-get update
                (cd "$font_cache/download" && quietly apt-get download "$package")
            }
            rm -rf "$unpacked.partial"
            dpkg -x "$font_cache/download/${package}"_*.deb "$unpacked.partial"
            rm -f "$font_cache/download/${package}"_*.deb
            mv "$unpacked.partial" "$unpacked"
        fi
        find -L "$unpacked" -type f \( -name '*.ttf' -o -name '*.ttc' -o -name '*.otf' \) \
            -exec cp -L {} "$dir/faces/" \;
    done
    cat >"$dir/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$dir/faces</dir>
  <cachedir>$dir/cache</cachedir>
</fontconfig>
EOF
    export FONTCONFIG_FILE=$dir/fonts.conf
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
