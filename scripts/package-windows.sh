#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows zip: cross-builds as scripts/test-windows.sh does (build-windows/ or
# $PRG715_WINDOWS_BUILD_DIR, reusing what is built there), then `cpack -G ZIP` makes
#   prg715-VERSION-win64.zip          for users: prg715-cli.exe, README.md, LICENSE, docs\manual
#   prg715-VERSION-win64-symbols.zip  prg715-cli.exe.debug, kept to read crash reports with
# and prints the users' zip's path. Progress goes to stderr, so
# `zip="$(bash scripts/package-windows.sh)"` takes the path alone.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${PRG715_WINDOWS_BUILD_DIR:-$root/build-windows}"

"$root/scripts/install-deps.sh" --windows >&2
echo "package-windows: cross-building in $build" >&2
PRG715_WINDOWS_BUILD_DIR="$build" "$root/scripts/build-windows.sh" >&2
zip="$(cd "$build" && cpack -G ZIP | tee /dev/stderr |
       sed -n 's/^CPack: - package: \(.*-win64\.zip\) generated\.$/\1/p')"
[ -n "$zip" ] && [ -f "$zip" ] ||
    { echo "package-windows: cpack made no prg715 zip in $build" >&2; exit 1; }
echo "$zip"
