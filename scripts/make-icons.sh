#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the application icon's PNG sizes for the hicolor theme from its SVG and records which
# SVG they come from (packaging/icons/source.sha256, checked by the test suite). Run it after
# changing the SVG and commit the PNGs with it. Needs rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
icons="$root/packaging/icons"
sizes=(16 24 32 48 64 128 256)

command -v rsvg-convert >/dev/null ||
    { echo "make-icons: rsvg-convert is missing (apt-get install librsvg2-bin)" >&2; exit 1; }
svgs=("$icons"/hicolor/scalable/apps/*.svg)
[ ${#svgs[@]} -eq 1 ] || { echo "make-icons: expected one SVG in hicolor/scalable/apps" >&2; exit 1; }
svg="${svgs[0]}"
name="$(basename "$svg" .svg)"

for size in "${sizes[@]}"; do
    out="$icons/hicolor/${size}x${size}/apps/$name.png"
    mkdir -p "$(dirname "$out")"
    rsvg-convert --width "$size" --height "$size" "$svg" --output "$out"
    echo "make-icons: $out"
done
sha256sum "$svg" | cut -d' ' -f1 >"$icons/source.sha256"
