#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An install into a staging folder puts every file where a desktop, man, bash-completion and udev
# look for it, with the right modes, nothing more, and programs that run from there. The user
# manual comes whole, every page of docs/manual.
# usage: install-layout.sh CMAKE BUILD_DIR APP_ID VERSION SOURCE_DIR
cmake="$1" build="$2" id="$3" version="$4" source="$5"
source "$(dirname "$0")/common.sh"
stage_install

icon_sizes=(16 24 32 48 64 128 256)
programs=(usr/bin/prg715 usr/bin/prg715-cli usr/bin/prg715-radio-sim)
data=(
    usr/share/applications/$id.desktop
    usr/share/metainfo/$id.metainfo.xml
    usr/share/mime/packages/$id.xml
    usr/share/icons/hicolor/scalable/apps/$id.svg
    usr/lib/udev/rules.d/60-prg715-cables.rules
    usr/share/doc/prg715/copyright
    usr/share/doc/prg715/changelog.gz
    usr/share/man/man1/prg715.1.gz
    usr/share/man/man1/prg715-cli.1.gz
    usr/share/man/man1/prg715-radio-sim.1.gz
    usr/share/bash-completion/completions/prg715-cli
)
for size in "${icon_sizes[@]}"; do data+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png"); done
manual=usr/share/doc/prg715/manual
for page in "$source"/docs/manual/*; do data+=("$manual/$(basename "$page")"); done
[ -f "$source/docs/manual/index.md" ] || fail "no docs/manual/index.md in $source"

for file in "${programs[@]}"; do
    [ -f "$stage/$file" ] || { fail "$file is not installed"; continue; }
    [ "$(stat -c %a "$stage/$file")" = 755 ] || fail "$file has mode $(stat -c %a "$stage/$file"), not 755"
done
for file in "${data[@]}"; do
    [ -f "$stage/$file" ] || { fail "$file is not installed"; continue; }
    [ "$(stat -c %a "$stage/$file")" = 644 ] || fail "$file has mode $(stat -c %a "$stage/$file"), not 644"
done
expected="$(printf '%s\n' "${programs[@]}" "${data[@]}" | sort)"
installed="$(cd "$stage" && find . -type f -o -type l | sed 's|^\./||' | sort)"
extra="$(comm -13 <(echo "$expected") <(echo "$installed"))"
[ -z "$extra" ] || fail "installed but not expected: $extra"

for file in "${data[@]}"; do
    [[ "$file" != *.gz ]] || gzip -t "$stage/$file" || fail "$file is not a gzip file"
done
bash -n "$stage/usr/share/bash-completion/completions/prg715-cli" ||
    fail "the bash completion is not a bash script"

# The installed programs run from where they were put, with no path back into the build.
bin="$stage/usr/bin"
help="$("$bin/prg715-cli" --help)" || fail "installed prg715-cli --help failed"
[[ "$(tail -1 <<<"$help")" == "The user manual: /"*"/share/doc/prg715/manual/index.md" ]] ||
    fail "prg715-cli --help does not end by naming the manual: $(tail -1 <<<"$help")"
"$bin/prg715-radio-sim" --help >/dev/null || fail "installed prg715-radio-sim --help failed"
# Each program names itself, this version and the licence; the desktop its Qt too.
for program in prg715 prg715-cli prg715-radio-sim; do
    shown="$(QT_QPA_PLATFORM=offscreen "$bin/$program" --version)" ||
        { fail "installed $program --version failed"; continue; }
    [ "$(head -1 <<<"$shown")" = "$program $version" ] ||
        fail "$program --version starts '$(head -1 <<<"$shown")', not '$program $version'"
    grep -q '^Licence: GPL-3.0-or-later ' <<<"$shown" || fail "$program --version names no licence"
done
grep -q '^Qt 6\.' <<<"$(QT_QPA_PLATFORM=offscreen "$bin/prg715" --version)" ||
    fail "prg715 --version does not name its Qt"
for program in "${programs[@]}"; do
    if readelf -d "$stage/$program" | grep -q -E 'R(UN)?PATH'; then
        fail "$program keeps a run path into the build folder"
    fi
done
finish
