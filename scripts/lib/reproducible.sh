# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# shellcheck shell=bash disable=SC2034  # sourced: what it sets, the scripts use
# Sourced by the reproducibility checks: the same commit built twice, apart.

# build_twice SCRIPT COUNT [PAUSE]: clones the current commit twice, into
# folders of different depths, PAUSE seconds apart (60 unless told), and
# runs SCRIPT in each (the second time with another umask and time zone);
# sets the arrays first and second to the last COUNT lines each printed:
# the paths of what it built. Only committed work is built.
build_twice() {
    local script=$1 count=$2 pause=${3:-60}
    [[ $pause =~ ^[0-9]+$ ]] || { echo "usage: $0 [PAUSE]  (whole seconds between the two builds)" >&2; exit 2; }
    commit=$(git rev-parse HEAD)
    [ -z "$(git status --porcelain --untracked-files=no)" ] \
        || echo "Note: uncommitted changes are not part of this check; it builds $commit."

    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    mapfile -t first < <(build_clone "$work/a" "$script" "$count")
    [ ${#first[@]} -eq "$count" ] || fail "the first build failed"
    echo "$(date -u +%T) first build:  ${first[*]}"
    sleep "$pause"
    mapfile -t second < <(umask 0002 && TZ=Pacific/Chatham build_clone "$work/second/checkout" "$script" "$count")
    [ ${#second[@]} -eq "$count" ] || fail "the second build failed"
    echo "$(date -u +%T) second build: ${second[*]}"
}
build_clone() { # build_clone DIR SCRIPT COUNT: clones the commit into DIR, runs SCRIPT there
    git clone --quiet --no-checkout "$PWD" "$1"
    git -C "$1" checkout --quiet --detach "$commit"
    "$1/$2" | tail -n "$3"
}
