#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# cpack -G DEB makes a package named prg715 whose control fields a distribution needs are
# filled in (the Qt libraries found by dpkg-shlibdeps), which holds the installed files under
# /usr with stripped programs, and on which lintian finds no error and no fault with the manual
# pages.
# usage: deb-package.sh CMAKE BUILD_DIR APP_ID VERSION
cmake="$1" build="$2" id="$3" version="$4"
source "$(dirname "$0")/common.sh"
need dpkg-deb dpkg-shlibdeps lintian readelf
cpack="$(dirname "$cmake")/cpack"

(cd "$build" && "$cpack" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log" >&2; echo "FAIL: cpack -G DEB failed" >&2; exit 1; }
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: cpack made no single .deb" >&2; exit 1; }
deb="${debs[0]}"
field() { dpkg-deb --field "$deb" "$1"; }

[ "$(field Package)" = prg715 ] || fail "the package is named '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "the package version is '$(field Version)'"
[ "$(basename "$deb")" = "prg715_${version}_$(field Architecture).deb" ] ||
    fail "the file is named $(basename "$deb"), not after Debian's pattern"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] ||
    fail "the maintainer '$(field Maintainer)' is not 'Name <address>'"
for library in libqt6widgets6 libqt6printsupport6 libqt6serialport6 libstdc++6; do
    [[ ", $(field Depends)" == *", $library (>= "* ]] ||
        fail "Depends does not name $library with a version: $(field Depends)"
done
# Nobody configured a home page, so the package names none, and no address anywhere is made up.
[ -z "$(field Homepage)" ] || fail "the package names the home page '$(field Homepage)'"
dpkg-deb --info "$deb" control | grep -q 'prg715\.org' && fail "the package names prg715.org"
description="$(field Description)"
[ -n "$(head -1 <<<"$description")" ] || fail "no short description"
[ "$(wc -l <<<"$description")" -ge 3 ] || fail "no long description: $description"

# The package holds what an install under /usr holds, file for file.
dpkg-deb --extract "$deb" "$work/unpacked"
stage_install
diff <(cd "$stage" && find . -type f | sort) <(cd "$work/unpacked" && find . -type f | sort) \
    >"$work/files.diff" || fail "the package and the install differ: $(cat "$work/files.diff")"
for program in prg715 prg715-cli prg715-radio-sim; do
    if readelf -S "$work/unpacked/usr/bin/$program" | grep -q '\.debug_info'; then
        fail "$program is packaged with its debugging information"
    fi
done

# lintian prints one line per finding: errors and warnings fail, information and pedantic
# notes are shown.
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || fail "lintian finds faults:"
grep -v 'root privileges' "$work/lintian.log" || true
grep -rlF 'prg715.org' "$work/unpacked" && fail "installed files name prg715.org"
grep -q '^License: GPL-3+$' "$work/unpacked/usr/share/doc/prg715/copyright" ||
    fail "debian/copyright does not state the GPL version 3 or later"
# Every program has its manual page, and the pages are well formed.
if grep -E 'no-manual-page|manpage-|groff-message' "$work/lintian.log"; then
    fail "lintian finds fault with the manual pages"
fi
finish
