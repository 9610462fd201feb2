#!/usr/bin/env bash
# Builds PRG-715 and writes docs/main-window.png: the main window showing the sample KM161
# plan, rendered on the offscreen platform (no display needed).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${PRG715_BUILD_DIR:-$root/build}"
out="${1:-$root/docs/main-window.png}"
"$root/scripts/build.sh"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$build/tests/ui/prg715_sample_plan" "$work/sample.kmd16"
printf '\001\000\000\000' >"$work/port.port"  # COM1, so no start-up message
mkdir -p "$(dirname "$out")"
out="$(cd "$(dirname "$out")" && pwd)/$(basename "$out")"
cd "$work"
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$build/src/ui/prg715" --screenshot "$out" sample.kmd16
echo "screenshot: $out"
