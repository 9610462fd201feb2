#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The committed PNG icons were rendered from the SVG as it is now (scripts/make-icons.sh records
# the SVG it rendered), so a changed drawing cannot ship with stale pictures.
# usage: icons-in-step.sh SOURCE_DIR APP_ID
source_dir="$1" id="$2"
source "$(dirname "$0")/common.sh"
icons="$source_dir/packaging/icons"
svg="$icons/hicolor/scalable/apps/$id.svg"

[ -f "$svg" ] || fail "no SVG icon $svg"
[ -f "$svg" ] && [ "$(sha256sum "$svg" | cut -d' ' -f1)" = "$(cat "$icons/source.sha256")" ] ||
    fail "the PNG icons were rendered from another SVG: run scripts/make-icons.sh"
for png in "$icons"/hicolor/*/apps/"$id".png; do
    size="$(basename "$(dirname "$(dirname "$png")")")"
    [ "$(png_size "$png")" = "$size" ] || fail "$png is $(png_size "$png")"
done
finish
