# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Sourced by the other scripts: installs the Debian packages a step needs,
# skipping those already present.

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
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    # apt-get is shared with other jobs on the machine: wait for dpkg's lock
    # rather than fail, and try again while another job updates the lists
    # (apt-get update does not wait for that lock).
    local apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600)
    echo "Installing: ${missing[*]}"
    local try output
    for try in $(seq 120); do
        output=$("${apt[@]}" update -qq 2>&1) && break
        if [ "$try" -eq 120 ] || ! grep -q 'Could not get lock' <<<"$output"; then
            echo "$output" >&2
            return 1
        fi
        sleep 5
    done
    "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
}

# What building the program and its tests needs.
# The text-fit tests run with the installed fonts and with DejaVu alone.
BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev fonts-liberation2 fonts-dejavu-core)
