#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Regenerates every rendered icon file from the two SVG sources in this folder:
#   brenvik-config-assistant.svg -> hicolor/<N>x<N>/apps/*.png, brenvik-config-assistant.ico
#   brenvik-logo.svg             -> brenvik-logo-32.png, brenvik-logo.ico
# Needs rsvg-convert and icotool (Debian packages: librsvg2-bin, icoutils).
# Run from anywhere: ./icons/render.sh
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$here"

for tool in rsvg-convert icotool; do
    command -v "$tool" >/dev/null 2>&1 || {
        echo "render.sh: '$tool' not found (install librsvg2-bin and icoutils)" >&2
        exit 1
    }
done

icon=brenvik-config-assistant
logo=brenvik-logo

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

render() { # render <svg> <size> <out.png>
    rsvg-convert --width "$2" --height "$2" --format png --output "$3" "$1"
}

# Application icon, freedesktop hicolor layout.
for n in 16 24 32 48 64 128 256; do
    dir="hicolor/${n}x${n}/apps"
    mkdir -p "$dir"
    render "$icon.svg" "$n" "$dir/$icon.png"
done

# Windows icon: 16, 24, 32, 48 and 64 as bitmaps (the small and large icons
# at 100, 150 and 200 %), 256 stored as PNG.
icotool --create --output "$icon.ico" \
    --raw="hicolor/256x256/apps/$icon.png" \
    hicolor/16x16/apps/"$icon".png \
    hicolor/24x24/apps/"$icon".png \
    hicolor/32x32/apps/"$icon".png \
    hicolor/48x48/apps/"$icon".png \
    hicolor/64x64/apps/"$icon".png

# Logo for the about tab: shown at 32 px, and at 48 and 64 px on displays
# scaled by 1.5 and 2.
render "$logo.svg" 32 "$logo-32.png"
for n in 16 48 64; do
    render "$logo.svg" "$n" "$tmp/$logo-$n.png"
done
icotool --create --output "$logo.ico" \
    "$tmp/$logo-16.png" "$logo-32.png" "$tmp/$logo-48.png" "$tmp/$logo-64.png"

echo "render.sh: icons regenerated in $here"
