#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check-platform.sh against CMake versions of the releases people try: too old ones are named
# with what is needed, the ones that build pass.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
fake="$(mktemp -d)"
trap 'rm -rf "$fake"' EXIT
failures=0

run_with() {  # version-line expected-status
    printf '#!/bin/sh\necho "%s"\necho\necho "CMake suite maintained and supported by Kitware."\n' "$1" \
        >"$fake/cmake"
    chmod +x "$fake/cmake"
    err="$(PATH="$fake:$PATH" bash "$root/scripts/check-platform.sh" 2>&1)"
    status=$?
    if [ "$status" -ne "$2" ]; then
        echo "FAIL: '$1' gave status $status, expected $2: $err"
        failures=$((failures + 1))
    fi
}

run_with "cmake version 3.22.1" 1  # Ubuntu 22.04
case "$err" in
*"CMake 3.22.1 is too old; PRG-715 needs CMake 3.25 or later"*"Ubuntu 24.04"*) ;;
*) echo "FAIL: message for 3.22.1: $err"; failures=$((failures + 1)) ;;
esac
run_with "cmake version 3.18.4" 1  # Debian 11
run_with "cmake version 3.25.1" 0  # Debian 12
run_with "cmake version 3.28.3" 0  # Ubuntu 24.04
run_with "cmake version 3.31.6" 0  # Debian 13
run_with "cmake version 4.0.2" 0
run_with "cmake version 3.100.0" 0
run_with "cmake: error while loading shared libraries" 1
# The README names the same releases as the check.
tr -s '\n ' '  ' <"$root/README.md" | grep -q "Debian 12 or later, or Ubuntu 24.04 or later" ||
    { echo "FAIL: README does not name the releases that build"; failures=$((failures + 1)); }
if tr -s '\n ' '  ' <"$root/README.md" | grep -q "Ubuntu 22.04+\|22.04 or later"; then
    echo "FAIL: README still claims Ubuntu 22.04"
    failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] && echo "check-platform: all cases passed"
exit "$failures"
