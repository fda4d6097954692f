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
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building the program and its tests needs.
# The text-fit tests run with the installed fonts and with DejaVu alone.
BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev fonts-liberation2 fonts-dejavu-core)
