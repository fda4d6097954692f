# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# shellcheck shell=bash disable=SC2034  # sourced: what it sets, the scripts use
# Sourced by every script: how a script stops on a fault, the Debian
# packages a step needs (installed when missing, as root or through sudo),
# and the time stamp of a release file.

# fail MESSAGE...: says what went wrong, under the script's name, and stops.
fail() {
    echo "${0##*/}: $*" >&2
    exit 1
}

# need_root COMMAND: sets sudo to what runs COMMAND as root here: nothing
# for root, sudo for a user who may use it; for anyone else, says what to do
# and stops.
need_root() {
    sudo=()
    [ "$(id -u)" -eq 0 ] && return 0
    if command -v sudo >/dev/null 2>&1 && sudo -v; then
        sudo=(sudo)
        return 0
    fi
    fail "needs root to run '$1': run it as root or as a user with sudo," \
        "or have root run that command first."
}

# quietly COMMAND...: runs COMMAND with its output kept aside, shown only when
# it fails.
quietly() {
    local log status=0
    log=$(mktemp)
    "$@" >"$log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || cat "$log" >&2
    rm -f "$log"
    return "$status"
}

# ensure_packages PACKAGE...
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    if ! command -v apt-get >/dev/null 2>&1; then
        echo "Missing packages: ${missing[*]}" >&2
        echo "apt-get is not available here: install them with your system's package manager." >&2
        exit 1
    fi
    need_root "apt-get install ${missing[*]}"
    # apt-get is shared with other jobs on the machine: wait for dpkg's lock
    # rather than fail, and try again while another job updates the lists
    # (apt-get update does not wait for that lock).
    local apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600)
    echo "Installing: ${missing[*]}"
    local try log
    log=$(mktemp)
    for try in $(seq 120); do
        "${apt[@]}" update >"$log" 2>&1 && break
        if [ "$try" -eq 120 ] || ! grep -q 'Could not get lock' "$log"; then
            cat "$log" >&2
            rm -f "$log"
            return 1
        fi
        sleep 5
    done
    rm -f "$log"
    quietly "${apt[@]}" install -y --no-install-recommends "${missing[@]}"
}

# What building the program and its tests needs.
# Qt's CMake files look for libxkbcommon's headers (for its own private
# parts) and say so on every configure when they are missing.
# The text-fit tests run with the installed fonts and with DejaVu alone.
BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev libxkbcommon-dev fonts-liberation2 fonts-dejavu-core)

# What building the web page needs: clang with WASI's libc and libc++ for
# the core's WebAssembly module, the native build for the description
# (form-facts), fonttools for the form's face, librsvg2-bin (rsvg-convert)
# for the site's icons, and Node.js (ensure_node).
WEB_BUILD_PACKAGES=(g++ cmake ninja-build clang lld wasi-libc libc++-14-dev-wasm32 libc++abi-14-dev-wasm32
    libclang-rt-14-dev-wasm32 fonttools librsvg2-bin)

# ensure_node: Node.js and npm, from Debian where either is missing (a
# Node.js from elsewhere that brings its own npm is kept).
ensure_node() {
    command -v node >/dev/null 2>&1 && command -v npm >/dev/null 2>&1 && return 0
    ensure_packages nodejs npm
}

# The engines the page's suites drive: Chromium (headless), Firefox ESR
# (headless) and WebKitGTK's MiniBrowser through WebKitWebDriver, on a
# virtual X display. Without their recommends, which bring fonts that
# would change what the other suites see.
WEB_BROWSER_PACKAGES=(chromium firefox-esr webkit2gtk-driver xvfb xauth)

# ready_web_browser_runs: what driving the built page needs: the engines,
# the page itself and tests/web's pinned npm packages (playwright-core,
# puppeteer-core, axe-core), which download no browser.
ready_web_browser_runs() {
    ensure_packages "${WEB_BROWSER_PACKAGES[@]}"
    ensure_node
    scripts/package-web.sh >/dev/null
    (cd tests/web && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 PUPPETEER_SKIP_DOWNLOAD=1 quietly npm ci --no-audit --no-fund)
}

# use_source_date_epoch: exports SOURCE_DATE_EPOCH, the time every time
# stamp in a release file takes: as set by the caller, or else the last
# commit's time; fails when neither can be had.
use_source_date_epoch() {
    if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
        SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null) \
            || fail "this is no git checkout: set SOURCE_DATE_EPOCH to the release's time (seconds since 1970)"
    fi
    [[ $SOURCE_DATE_EPOCH =~ ^[0-9]+$ ]] \
        || fail "SOURCE_DATE_EPOCH must be seconds since 1970, not '$SOURCE_DATE_EPOCH'"
    export SOURCE_DATE_EPOCH
}
