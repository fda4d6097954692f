#!/bin/sh
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Runs one of the build's Windows programs under Wine, in $WINEPREFIX, once
# the programs before it there have ended and Wine has let go of the
# prefix: a program started while the last one is ending may find no desktop
# to open its windows on.
wineserver -w
exec /usr/lib/wine/wine64 "$@"
