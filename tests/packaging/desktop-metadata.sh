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
validate() { appstreamcli validate --pedantic --no-net "$1" >"$work/validate.log" 2>&1 ||
    fail "appstreamcli validate --pedantic: $(cat "$work/validate.log")"; }
validate "$metainfo"
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
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" ||
    fail "the metainfo does not name the program's licence"

# No address the project does not have: by default the metainfo names no home page and no
# screenshot; configured with one, it names both, and still validates.
grep -E 'https?://|@' "$metainfo" && fail "the metainfo names an address nobody configured"
homepage=https://radio-shop.example/prg715
"$cmake" -S "$source" -B "$work/with-homepage" -DPRG715_HOMEPAGE=$homepage \
    -DPRG715_MAINTAINER="Shop Packager <packager@radio-shop.example>" \
    -DPRG715_BUILD_TESTS=OFF -DPRG715_BUILD_BENCH=OFF >"$work/configure.log" 2>&1 ||
    fail "configuring with a home page failed: $(tail -5 "$work/configure.log")"
configured="$work/with-homepage/packaging/$id.metainfo.xml"
validate "$configured"
grep -q "<url type=\"homepage\">$homepage</url>" "$configured" || fail "no home page in the metainfo"
grep -q "<image type=\"source\">$homepage/screenshots/main-window.png</image>" "$configured" ||
    fail "the metainfo's screenshot is not the home page's main-window.png"
[ -f "$source/docs/main-window.png" ] || fail "docs/main-window.png is missing"
grep -q 'CPACK_PACKAGE_CONTACT "Shop Packager <packager@radio-shop.example>"' \
    "$work/with-homepage/CPackConfig.cmake" || fail "the maintainer option does not reach the package"
grep -q " -- Shop Packager <packager@radio-shop.example>  " \
    "$work/with-homepage/packaging/debian/changelog" || fail "the changelog is not signed by the maintainer"
finish
