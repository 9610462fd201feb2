#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed desktop entry, metainfo and MIME package pass the freedesktop validators and
# agree with each other: after a plain install the file types the entry opens are known to the
# MIME database and associated with the entry, its program and icon are installed, and every
# place that names the version names this one.
# usage: desktop-metadata.sh CMAKE BUILD_DIR APP_ID VERSION SOURCE_DIR
cmake="$1" build="$2" id="$3" version="$4" source="$5"
source "$(dirname "$0")/common.sh"
need desktop-file-validate update-desktop-database appstreamcli update-mime-database
prefix_install
share="$prefix/share"
entry="$share/applications/$id.desktop"
metainfo="$share/metainfo/$id.metainfo.xml"

# Hints are advice; warnings and errors fail.
if ! report="$(desktop-file-validate "$entry" 2>&1)" || grep -v ': hint: ' <<<"$report" | grep -q .
then
    fail "desktop-file-validate: $report"
fi
appstreamcli validate --no-net "$metainfo" >"$work/validate.log" 2>&1 ||
    fail "appstreamcli validate: $(cat "$work/validate.log")"
# The tree check also finds the launchable's desktop entry and the icon it names.
appstreamcli validate-tree --no-net "$prefix" >"$work/tree.log" 2>&1 ||
    fail "appstreamcli validate-tree: $(cat "$work/tree.log")"

exec_line="$(desktop_value "$entry" Exec)"
program="${exec_line%% *}"
[ -x "$prefix/bin/$program" ] || fail "Exec runs '$program', which is not installed in bin"
icon="$(desktop_value "$entry" Icon)"
[ "$icon" = "$id" ] || fail "Icon is '$icon', not the application id $id"
for size in 48x48 scalable; do
    compgen -G "$share/icons/hicolor/$size/apps/$icon.*" >/dev/null ||
        fail "no $size icon named $icon"
done
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"

# File managers go from a name to a type through the compiled MIME database, and from the type
# to the program through the desktop database; the install refreshed both.
grep -i -E 'warning|error' "$work/install.log" && fail "the install's refresh complained"
types="$(desktop_value "$entry" MimeType)"
for pattern in '*.kmd16' '*.kmd04'; do
    type="$(awk -F: -v p="$pattern" '$3 == p { print $2 }' "$share/mime/globs2" 2>/dev/null)"
    [ -n "$type" ] || { fail "no MIME type matches $pattern"; continue; }
    [[ ";$types" == *";$type;"* ]] || fail "the desktop entry does not open $type ($pattern)"
    grep -qx "$type=$id.desktop;" "$share/applications/mimeinfo.cache" 2>/dev/null ||
        fail "$type is not associated with $id.desktop"
done

# The newest release of the metainfo and of the package changelog is this build's version.
newest="$(grep -o '<release version="[^"]*"' "$metainfo" | head -1 | cut -d'"' -f2)"
[ "$newest" = "$version" ] || fail "the metainfo's newest release is '$newest', not $version"
changelog="$(zcat "$share/doc/prg715/changelog.gz" | head -1)"
[[ "$changelog" == "prg715 ($version) "* ]] || fail "the changelog starts '$changelog', not $version"
# The screenshot the metainfo shows is the one kept with the sources.
[ -f "$source/docs/main-window.png" ] || fail "docs/main-window.png is missing"
grep -q '<image type="source">https://[^<]*/main-window.png</image>' "$metainfo" ||
    fail "the metainfo's screenshot is not main-window.png"
grep -q '<caption>[^<]' "$metainfo" || fail "the screenshot has no caption"
finish
