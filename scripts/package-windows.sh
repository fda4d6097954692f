#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Builds the Windows program as released (the "windows-release" preset:
# MinGW-w64, hardened, reproducible, stripped), then its installer (NSIS,
# packaging/windows/brenvik-config-assistant.nsi) and its portable .zip in
# build/windows-release/dist. Prints the installer's path and then the
# .zip's path as its last two lines.
#
#   scripts/package-windows.sh
#
# Every time stamp in the .zip is SOURCE_DATE_EPOCH (the last commit's time
# unless it is set already) and the installer holds none, so that the same
# commit always gives the same two files.
set -eEuo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
source scripts/lib/wine.sh
source scripts/lib/form.sh

trap 'fail "a step above failed; no installer or .zip was made"' ERR

ensure_packages "${WINDOWS_BUILD_PACKAGES[@]}" nsis zip git \
    || fail "the tools the Windows packages need are missing and could not be installed"
for tool in cmake ninja x86_64-w64-mingw32-g++-posix makensis zip git; do
    command -v "$tool" >/dev/null || fail "$tool is missing"
done

use_source_date_epoch
umask 0022

build=build/windows-release
dist=$build/dist
# A failed build leaves no package behind, not even an older one.
rm -rf "$dist"
cmake --preset windows-release >/dev/null
cmake --build --preset windows-release
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ $version =~ ^[0-9]+\.[0-9]+$ ]] || fail "no MAJOR.MINOR version in $build/CMakeCache.txt: '$version'"
name=brenvik-config-assistant-$version-windows-x64

# Both are made in a scratch folder; only finished files are moved into place.
scratch=$(mktemp -d "$PWD/$build/package.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

make_installer "$version" "$PWD/$build/brenvik-config-assistant.exe" "$scratch/$name-setup.exe"

# The .zip: fixed modes and times, names in a fixed order, no extra fields
# (-X: no owners, no Unix times), DOS times in UTC.
mkdir "$scratch/zip"
install -m 0755 "$build/brenvik-config-assistant.exe" "$scratch/zip/"
install -m 0644 LICENSE "$scratch/zip/LICENSE.txt"
install -m 0644 packaging/windows/README.txt "$scratch/zip/"
touch -d "@$SOURCE_DATE_EPOCH" "$scratch"/zip/*
(cd "$scratch/zip" && LC_ALL=C ls | TZ=UTC zip -X -q -9 -@ "../$name.zip")

mkdir -p "$dist"
mv -f "$scratch/$name-setup.exe" "$scratch/$name.zip" "$dist/"
echo "$PWD/$dist/$name-setup.exe"
echo "$PWD/$dist/$name.zip"
