# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the packaging checks: failure reporting, a scratch folder and a staged install.
# The caller sets: cmake (the cmake program), build (the build folder), id (the application id).
set -euo pipefail

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
}
# ctest shows exit status 77 as skipped: a tool the check needs is missing here.
need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null ||
            { echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"; exit 77; }
    done
}

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Installs the build into $work/stage as a package would put it under /usr.
stage_install() {
    stage="$work/stage"
    DESTDIR="$stage" "$cmake" --install "$build" --prefix /usr >"$work/install.log" ||
        { cat "$work/install.log" >&2; echo "FAIL: cmake --install failed" >&2; exit 1; }
}

# Installs the build straight into $work/prefix, as `cmake --install build --prefix DIR` does.
prefix_install() {
    prefix="$work/prefix"
    "$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
        { cat "$work/install.log" >&2; echo "FAIL: cmake --install failed" >&2; exit 1; }
}

# Width and height of a PNG, from its header.
png_size() {
    local hex
    hex="$(od -An -tx1 -j16 -N8 "$1" | tr -d ' \n')"
    echo "$((16#${hex:0:8}))x$((16#${hex:8:8}))"
}

# The value of KEY in a desktop entry's [Desktop Entry] group.
desktop_value() {
    sed -n "/^\[Desktop Entry\]/,/^\[/{s/^$2=//p}" "$1"
}
