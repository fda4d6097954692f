#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Checks the installer and the .zip that scripts/package-windows.sh makes:
# the program's hardening as the PE headers and the compile commands show
# it, the .zip's contents, and then, under Wine in a fresh prefix of its own
# with no display, a whole round trip: a silent install over an older
# version, the files, shortcut and "Apps & features" entry, the installed
# program started, the installer refused while it runs, the same version
# installed again, and a silent uninstall that leaves the prefix as it was.
#
#   scripts/package-windows-check.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
source scripts/lib/wine.sh
source scripts/lib/form.sh
ensure_packages "${WINDOWS_BUILD_PACKAGES[@]}" "${WINE_PACKAGES[@]}" nsis unzip

packages=$(scripts/package-windows.sh | tail -n 2)
installer=$(sed -n 1p <<<"$packages")
zip=$(sed -n 2p <<<"$packages")
build=build/windows-release
# The program is driven from outside by tools/win32-drive, of the same build.
cmake --build "$build" --target win32-drive >/dev/null
drive_exe=$PWD/$build/tools/win32-drive/win32-drive.exe
form_facts
program=$build/brenvik-config-assistant.exe
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
ls -l "$installer" "$zip"

echo "== hardening =="
headers=$(x86_64-w64-mingw32-objdump -p "$program")
for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
    grep -qw "$flag" <<<"$headers" || fail "$program lacks $flag"
done
grep -q 'Time/Date.*1970' <<<"$headers" || fail "$program carries its link time"
! x86_64-w64-mingw32-objdump -h "$program" | grep -q ' \.debug_' || fail "$program is not stripped"
dlls=$(sed -n 's/^\tDLL Name: //p' <<<"$headers" | sort -f | paste -sd ' ')
[ "$dlls" = "ADVAPI32.dll COMCTL32.dll GDI32.dll KERNEL32.dll msvcrt.dll USER32.dll UxTheme.dll" ] \
    || fail "$program needs other DLLs than Windows' own: $dlls"
# The C++ units (the resource script is the other entry).
commands=$(grep '"command": "[^ ]*g++' "$build/compile_commands.json")
units=$(wc -l <<<"$commands")
for flag in -O3 -fstack-protector-strong -D_FORTIFY_SOURCE=2 -ffile-prefix-map=; do
    [ "$(grep -c -- " $flag" <<<"$commands")" -eq "$units" ] || fail "not every C++ unit has $flag"
done
echo "ASLR (high entropy), DEP, no link time, stripped, only Windows' DLLs ($dlls);" \
    "all $units units built with -O3 -fstack-protector-strong -D_FORTIFY_SOURCE=2."

echo "== the .zip =="
unzip -tq "$zip"
contents=$(unzip -Z1 "$zip" | paste -sd ' ')
[ "$contents" = "LICENSE.txt README.txt brenvik-config-assistant.exe" ] || fail "the .zip holds: $contents"
unzip -p "$zip" brenvik-config-assistant.exe | cmp - "$program"

echo "== under Wine: install, start, install again, uninstall =="
scratch=$(mktemp -d)
trap 'end_wine; rm -rf "$scratch"' EXIT
new_wine_prefix "$scratch/wine" null
drive=$WINEPREFIX/drive_c
folder="Program Files/Brenvik Config Assistant"
windows_folder='C:\Program Files\Brenvik Config Assistant'
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\BrenvikConfigAssistant'

# The same installer with a lower version, for the installation it upgrades.
older=$scratch/older-setup.exe
make_installer 1.01 "$PWD/$program" "$older"

# snapshot NAME: the prefix's files, and its HKLM\Software and HKCU\Software.
snapshot() {
    wineserver -w
    (cd "$drive" && find . | LC_ALL=C sort) >"$scratch/$1.files"
    local hive
    for hive in HKLM HKCU; do
        (cd "$scratch" && "$wine64" reg export "$hive\\Software" "$1.$hive.reg" /y >/dev/null 2>&1)
        iconv -f UTF-16 -t UTF-8 "$scratch/$1.$hive.reg" | tr -d '\r' >"$scratch/$1.$hive"
    done
}
# installed VERSION: one installation of that version, the one built, with
# its shortcut and its one entry with every value "Apps & features" shows.
installed() {
    [ "$(find "$drive" -iname brenvik-config-assistant.exe | wc -l)" -eq 1 ] || fail "not one installed program"
    [ "$(find "$drive" -iname '*brenvik*.lnk' | wc -l)" -eq 1 ] || fail "not one shortcut"
    cmp "$drive/$folder/brenvik-config-assistant.exe" "$program"
    [ -f "$drive/$folder/LICENSE.txt" ] && [ -f "$drive/$folder/uninstall.exe" ] || fail "files missing in $folder"
    [ -f "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Brenvik Config Assistant.lnk" ] \
        || fail "no Start-menu shortcut"
    snapshot now
    [ "$(grep -c '^"DisplayName"="Brenvik Config Assistant"$' "$scratch/now.HKLM")" -eq 1 ] \
        || fail "not one entry in Apps & features"
    local entry value
    entry=$("$wine64" reg query "$key" | tr -d '\r')
    for value in DisplayName Publisher DisplayIcon EstimatedSize HelpLink URLInfoAbout \
        QuietUninstallString UninstallString NoModify NoRepair; do
        grep -q "^    $value " <<<"$entry" || fail "the entry lacks $value"
    done
    grep -q "^    DisplayVersion    REG_SZ    $1$" <<<"$entry" || fail "the entry is not of version $1"
    grep -q '^    QuietUninstallString    REG_SZ    "C:\\Program Files\\Brenvik Config Assistant\\uninstall.exe" /S$' \
        <<<"$entry" || fail "the entry's QuietUninstallString is not the uninstaller's silent mode"
    echo "installed: version $1, one program, one shortcut, one entry"
}

# fresh ARGS...: runs a Windows program once all else in the prefix has
# ended: Wine's desktop ends a moment after the last program, and a program
# started in that moment gets none and shows no window.
fresh() {
    wineserver -w
    "$wine64" "$@"
}

snapshot before
fresh "$older" /S || fail "the older installer failed"
installed 1.01
fresh "$installer" /S || fail "the installer failed over the older version"
installed "$version"

WINEDEBUG=err+all fresh "$windows_folder\\brenvik-config-assistant.exe" 2>"$scratch/program.log" &
started=$!
sleep 3
kill -0 "$started" 2>/dev/null || { cat "$scratch/program.log"; fail "the installed program did not keep running"; }
title=$(drive title "$main_class") || { cat "$scratch/program.log"; fail "the installed program shows no main window"; }
[ "$title" = "$frmMain_CAPTION" ] || fail "the installed program's main window is \"$title\", not \"$frmMain_CAPTION\""
echo "the installed program runs: \"$title\""
status=0
"$wine64" "$installer" /S || status=$?
[ "$status" -eq 2 ] || fail "the installer did not refuse to run while the program runs (exit $status)"
echo "the installer refuses while the program runs (exit 2)"
drive close "$main_class"
wait "$started" || fail "the program did not end cleanly when closed"

fresh "$installer" /S || fail "the installer failed over the same version"
installed "$version"

fresh "$windows_folder\\uninstall.exe" /S || fail "the uninstaller failed"
# It runs from a copy of itself in %TEMP%, which Windows deletes at the next
# start: wait for it, then restart the prefix.
wineserver -w
"$wine64" wineboot --restart
snapshot after
# Left by that copy: its empty folder.
grep -vE '^\./users/[^/]+/Temp/~nsu[^/]*\.tmp$' "$scratch/after.files" >"$scratch/after.kept"
left=0
diff "$scratch/before.files" "$scratch/after.kept" || left=1
diff "$scratch/before.HKLM" "$scratch/after.HKLM" || left=1
diff "$scratch/before.HKCU" "$scratch/after.HKCU" || left=1
[ "$left" -eq 0 ] || fail "the prefix differs after the uninstall (above: < before, > after)"
echo "uninstalled: drive C:, HKLM\\Software and HKCU\\Software as before the first install"
