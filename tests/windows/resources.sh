#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A Windows program as Explorer and the loader see it, read back from the built .exe with the
# MinGW tools: one manifest (long paths, UTF-8, no elevation, Windows 10), the version
# information, an icon group; no debugging information left inside (a small download), and the
# NAME.exe.debug beside it that its .gnu_debuglink names.
# usage: resources.sh OBJDUMP WINDRES VERSION PROGRAM.exe DESCRIPTION [PROGRAM.exe DESCRIPTION]...
set -euo pipefail
objdump="$1" windres="$2" version="$3"
shift 3
largest=$((5 * 1024 * 1024))
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
has() { grep -qF -- "$2" "$1" || fail "$(basename "$1" .rc): no $2"; }

while [ $# -ge 2 ]; do
    exe="$1" description="$2"
    shift 2
    name="$(basename "$exe" .exe)"
    [ -f "$exe" ] || { fail "$exe was not built"; continue; }

    size=$(stat -c %s "$exe")
    [ "$size" -lt "$largest" ] || fail "$name.exe is $size bytes, not under $largest"
    "$objdump" -h "$exe" >"$work/sections"
    ! grep -q ' \.debug_' "$work/sections" || fail "$name.exe still holds debugging sections"
    if [ -f "$exe.debug" ]; then
        "$objdump" -h "$exe.debug" | grep -q ' \.debug_info ' ||
            fail "$name.exe.debug holds no debugging information"
        # The section's text column: the file name, then its NUL padding and checksum as dots.
        link="$("$objdump" -s -j .gnu_debuglink "$exe" | awk '/^ [0-9a-f]+ / { printf "%s", $NF }')"
        [[ "$link" == "$name.exe.debug."* ]] || fail "$name.exe does not point at $name.exe.debug"
    else
        fail "no $name.exe.debug beside $name.exe"
    fi

    # Resources by type, as windres writes them back: 3 icon image, 14 icon group, 24 manifest.
    rc="$work/$name.rc"
    "$windres" -i "$exe" -O rc >"$rc" 2>&1 || { fail "$name.exe: $(cat "$rc")"; continue; }
    count() { grep -cE "^[0-9A-Za-z_]+ $1( |\$)" "$rc" || true; }
    [ "$(count 14)" = 1 ] || fail "$name.exe has $(count 14) icon groups, not one"
    [ "$(count 3)" -ge 1 ] || fail "$name.exe has no icon images"
    [ "$(count VERSIONINFO)" = 1 ] || fail "$name.exe has $(count VERSIONINFO) version resources"
    [ "$(count 24)" = 1 ] || fail "$name.exe has $(count 24) manifests, not one"
    has "$rc" 'longPathAware xmlns=""http://schemas.microsoft.com/SMI/2016/WindowsSettings"">true<'
    has "$rc" 'activeCodePage xmlns=""http://schemas.microsoft.com/SMI/2019/WindowsSettings"">UTF-8<'
    has "$rc" 'requestedExecutionLevel level=""asInvoker""'
    has "$rc" 'supportedOS Id=""{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}""'
    numbers="$(echo "$version.0.0.0" | cut -d. -f1-4 | sed 's/\./, /g')"
    has "$rc" "FILEVERSION $numbers"
    has "$rc" "PRODUCTVERSION $numbers"
    for value in "\"ProductName\", \"PRG-715\"" "\"FileVersion\", \"$version\"" \
                 "\"ProductVersion\", \"$version\"" "\"FileDescription\", \"$description\"" \
                 "\"OriginalFilename\", \"$name.exe\"" "\"InternalName\", \"$name\""; do
        has "$rc" "VALUE $value"
    done
    grep -q '"LegalCopyright", ".*GPL-3.0-or-later' "$rc" || fail "$name.exe names no licence"
done

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all checks passed"
