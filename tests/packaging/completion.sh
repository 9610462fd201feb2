#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed bash completion of prg715-cli, driven as bash drives it (COMP_WORDS and
# COMP_CWORD), offers every command, each command's options as its --help lists them, the
# radio models, COM1, COM2 and the serial devices for --port, the words of the flag options,
# and file names for files; and it lies where bash-completion looks for it.
# usage: completion.sh CMAKE BUILD_DIR APP_ID
cmake="$1" build="$2" id="$3"
source "$(dirname "$0")/common.sh"
stage_install
script="$stage/usr/share/bash-completion/completions/prg715-cli"
bin="$stage/usr/bin"
[ -f "$script" ] || { fail "no completion installed for prg715-cli"; finish; }
if command -v pkg-config >/dev/null && pkg-config --exists bash-completion; then
    folder="$(pkg-config --variable=completionsdir bash-completion)"
    [ "$folder" = /usr/share/bash-completion/completions ] ||
        fail "bash-completion looks in $folder, the install puts it in /usr/share/bash-completion/completions"
fi

# What the completion offers for the words given, the last being the one completed; run in
# $work/files, which holds two plans.
offers() {
    (cd "$work/files" && bash -c '
        source "$1"; shift
        complete -p prg715-cli >/dev/null || { echo "not registered" >&2; exit 1; }
        COMP_WORDS=(prg715-cli "$@"); COMP_CWORD=$#
        _prg715_cli
        printf "%s\n" "${COMPREPLY[@]}"' completion "$script" "$@")
}
expect() {  # WORDS... -- EXPECTED...
    local words=() offered
    while [ "$1" != -- ]; do words+=("$1"); shift; done
    shift
    offered="$(offers "${words[@]}")" || { fail "completing '${words[*]}' failed"; return; }
    for want in "$@"; do
        grep -qxF -- "$want" <<<"$offered" || fail "'prg715-cli ${words[*]}' does not offer $want: $(tr '\n' ' ' <<<"$offered")"
    done
}
mkdir -p "$work/files"
touch "$work/files/shop.kmd16" "$work/files/site.kmd04"

commands="$("$bin/prg715-cli" --help | sed -n '/^Commands:/,/^$/p' | awk 'NR > 1 && NF { print $1 }')"
[ -n "$commands" ] || fail "prg715-cli --help lists no commands"
# shellcheck disable=SC2086
expect "" -- $commands
for command in $commands; do
    options="$("$bin/prg715-cli" "$command" --help | grep -E '^ {2}-' | sed -E 's/^ +//; s/ {2,}.*//; s/ [<A-Za-z].*//' | tr ',' '\n' | tr -d ' ')"
    # shellcheck disable=SC2086
    expect "$command" - -- $options
done

expect new --model "" -- KM41 KM42 KM161 KM162
expect new --model = K -- KM41 KM42 KM161 KM162
expect read --port "" -- COM1 COM2 /dev/tty
expect write --port /dev/tt -- /dev/tty
expect show "" -- shop.kmd16 site.kmd04
expect new --model KM41 -o s -- shop.kmd16 site.kmd04
expect set shop.kmd16 --channel 1 --scan "" -- on off
expect set shop.kmd16 --power "" -- high low
expect report shop.kmd16 --paper "" -- A4 Letter
[ -z "$(offers read --timeout "")" ] || fail "--timeout offers words for a number of seconds"
finish
