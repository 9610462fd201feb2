#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A data file handed over the way a file manager does it, through the desktop entry's Exec line
# with %f expanded to the file's path, opens in the installed program exactly as when the path
# is given on the command line.
# usage: open-from-desktop-entry.sh CMAKE BUILD_DIR APP_ID
cmake="$1" build="$2" id="$3"
source "$(dirname "$0")/common.sh"
stage_install
bin="$stage/usr/bin"
exec_line="$(desktop_value "$stage/usr/share/applications/$id.desktop" Exec)"

# How a desktop launcher expands a single local file: %f becomes exactly one argument, however
# many spaces the path holds; the entry uses no quoting and no other field code.
[[ "$exec_line" != *[\"\'\\]* ]] || fail "Exec '$exec_line' quotes, which this check does not expand"
read -r -a words <<<"$exec_line"
[ "$(grep -o '%[a-zA-Z]' <<<"$exec_line" | tr '\n' ' ')" = "%f " ] ||
    fail "Exec '$exec_line' should take one file through %f alone"
[ "$failures" -eq 0 ] || finish

folder="$work/Radio plans"
plan="$folder/site A #2.kmd16"
mkdir -p "$folder" "$work/home"
"$bin/prg715-cli" new --model KM161 -o "$plan" || fail "prg715-cli new failed"
command=()
for word in "${words[@]}"; do
    if [ "$word" = "%f" ]; then command+=("$plan"); else command+=("$word"); fi
done
command[0]="$bin/${command[0]}"

# Each run in a folder that names COM1, so no start-up message waits for an answer; a message
# box (a file that did not open) shows up as the time limit running out.
shot() {
    local out="$1"
    shift
    (cd "$work" && printf '\001\000\000\000' >port.port &&
        HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" QT_QPA_PLATFORM=offscreen \
            timeout 60 "$@" --screenshot "$out") || fail "'$*' did not show its window"
}
shot "$work/entry.png" "${command[@]}"
shot "$work/direct.png" "$bin/prg715" "$plan"
shot "$work/none.png" "$bin/prg715"
cmp -s "$work/entry.png" "$work/direct.png" ||
    fail "the plan opened through the desktop entry does not look as when opened directly"
cmp -s "$work/entry.png" "$work/none.png" && fail "the desktop entry started the program without the plan"
finish
