#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Builds the program's Debian package from this checkout (the "package"
# preset: hardened, with the source folder mapped away) in build/package,
# and prints the .deb's path as its last line.
#
#   scripts/package.sh
#
# Every time stamp in the package is SOURCE_DATE_EPOCH: the last commit's
# time unless it is set already, so that the same commit always gives the
# same .deb.
set -eEuo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh

trap 'fail "a step above failed; no package was made"' ERR

# CPack reads the program's type with file(1) and its libraries' packages
# with dpkg-shlibdeps.
ensure_packages "${BUILD_PACKAGES[@]}" dpkg-dev binutils file git \
    || fail "the tools the package needs are missing and could not be installed"
for tool in cmake ninja cpack dpkg-shlibdeps objcopy file gzip git; do
    command -v "$tool" >/dev/null || fail "$tool is missing"
done

use_source_date_epoch

# The modes of the files CPack writes follow the umask: Debian's usual ones.
umask 0022

build=build/package
# Qt's resource compiler writes SOURCE_DATE_EPOCH into its output: a build
# folder made with another time starts afresh.
stamp=$build/source-date-epoch
[ "$(cat "$stamp" 2>/dev/null)" = "$SOURCE_DATE_EPOCH" ] || rm -rf "$build"
cmake --preset package >/dev/null
# A failed build leaves no package behind, not even an older one.
rm -f "$build"/*.deb
echo "$SOURCE_DATE_EPOCH" >"$stamp"
cmake --build --preset package

# CPack writes into a scratch folder; only a finished .deb is moved into place.
scratch=$(mktemp -d "$PWD/$build/cpack.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
quietly cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch"
built=("$scratch"/*.deb)
[ ${#built[@]} -eq 1 ] && [ -f "${built[0]}" ] || fail "CPack made no single .deb in $scratch"
deb=$PWD/$build/$(basename "${built[0]}")
mv -f "${built[0]}" "$deb"
echo "$deb"
