#!/usr/bin/env bash
# Installs the program into a scratch prefix and checks the desktop entry and
# the AppStream metainfo, builds the .deb, installs it with apt-get, starts
# the program from its menu entry under Xvfb, and removes the package again.
#
#   scripts/package-check.sh          (builds in build/package)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" dpkg-dev desktop-file-utils appstream xvfb xauth xdotool

build=build/package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRENVIK_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target brenvik-config-assistant

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage/usr" >/dev/null
echo "== installed files =="
(cd "$stage" && find . -type f | sort)
desktop-file-validate "$stage"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$stage"/usr/share/metainfo/*.metainfo.xml

echo "== Debian package =="
(cd "$build" && rm -f ./*.deb && cpack -G DEB >/dev/null)
deb=$(realpath "$build"/*.deb)
dpkg-deb --field "$deb" Package Version Depends
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
trap 'apt-get remove -y -qq brenvik-config-assistant >/dev/null; rm -rf "$stage"' EXIT

# Start it as a menu would: the Exec line of the installed desktop entry.
entry=/usr/share/applications/example.brenvik.ConfigAssistant.desktop
command=$(sed -n 's/^Exec=//p' "$entry")
echo "menu entry starts: $command"
xvfb-run -a bash -c "
    $command &
    xdotool search --sync --onlyvisible --name 'Brenvik Config Assistant V1.02' >/dev/null
    kill %1
" && echo "The installed program started from its menu entry and showed its window."
