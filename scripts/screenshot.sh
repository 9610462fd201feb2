#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds PRG-715 and writes docs/main-window.png, the main window showing the sample KM161 plan,
# the same window in German and Japanese (docs/screens/main-window-de.png, -ja.png), and
# docs/manual-window.png, the user manual's window (Help > User Manual), all rendered on the
# offscreen platform (no display needed).
# usage: screenshot.sh [MAIN_WINDOW_PNG [MANUAL_WINDOW_PNG]]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${PRG715_BUILD_DIR:-$root/build}"
out="${1:-$root/docs/main-window.png}"
manual_out="${2:-$root/docs/manual-window.png}"
"$root/scripts/build.sh"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$build/tests/ui/prg715_sample_plan" "$work/sample.kmd16"
printf '\001\000\000\000' >"$work/port.port"  # COM1, so no start-up message
absolute() { mkdir -p "$(dirname "$1")" && echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
out="$(absolute "$out")"
manual_out="$(absolute "$manual_out")"
cd "$work"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
"$build/src/ui/prg715" --screenshot "$out" sample.kmd16
echo "screenshot: $out"
for language in de ja; do
    shot="$root/docs/screens/main-window-$language.png"
    "$build/src/ui/prg715" --language "$language" --screenshot "$shot" sample.kmd16
    echo "screenshot: $shot"
done
# The manual of these sources, whatever an installed copy holds.
PRG715_MANUAL_DIR="$root/docs/manual" "$build/src/ui/prg715" --screenshot-manual "$manual_out"
echo "screenshot: $manual_out"
