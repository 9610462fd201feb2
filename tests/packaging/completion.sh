#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed bash completion of prg715-cli, driven as bash drives it (COMP_WORDS split at
# ':' and '=', COMP_CWORD, COMP_LINE), offers every command, each command's options as its
# --help lists them, the radio models in any case, COM1, COM2 and serial devices but no
# terminal for --port, the signalling forms, tones and codes, the radio-wide options and their
# values, which set takes, the words of the flag options, and file names for files; and it
# lies where bash-completion looks for it.
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

# The words the completion makes of the last word typed (WORDS as typed, the last being the
# one completed), run in $work/files, which holds two plans. The words are split at ':' and '='
# as bash splits them (COMP_WORDBREAKS), and a reply replaces only the last piece, as in bash.
offers() {
    (cd "$work/files" && bash -c '
        source "$1"; shift
        complete -p prg715-cli >/dev/null || { echo "not registered" >&2; exit 1; }
        COMP_WORDS=(prg715-cli) COMP_LINE=prg715-cli
        for word in "$@"; do
            COMP_LINE+=" $word"
            [[ -n $word ]] || COMP_WORDS+=("")
            while [[ -n $word ]]; do
                if [[ $word == [:=]* ]]; then piece=${word%%[!:=]*}; else piece=${word%%[:=]*}; fi
                COMP_WORDS+=("$piece") word=${word#"$piece"}
            done
        done
        COMP_CWORD=$((${#COMP_WORDS[@]} - 1)) COMP_POINT=${#COMP_LINE}
        _prg715_cli
        piece=${COMP_WORDS[COMP_CWORD]} last=${*: -1}
        [[ $piece == *[!:=]* ]] || piece=
        for reply in "${COMPREPLY[@]}"; do printf "%s\n" "${last%"$piece"}$reply"; done
        ' completion "$script" "$@" </dev/null)
}
expect() {  # WORDS... -- EXPECTED... (!WORD: not offered)
    local words=() offered
    while [ "$1" != -- ]; do words+=("$1"); shift; done
    shift
    offered="$(offers "${words[@]}")" || { fail "completing '${words[*]}' failed"; return; }
    for want in "$@"; do
        if [ "${want#!}" != "$want" ]; then
            ! grep -qxF -- "${want#!}" <<<"$offered" || fail "'prg715-cli ${words[*]}' offers ${want#!}"
        else
            grep -qxF -- "$want" <<<"$offered" || fail "'prg715-cli ${words[*]}' does not offer $want: $(tr '\n' ' ' <<<"$offered")"
        fi
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
expect new --model=K -- --model=KM41 --model=KM42 --model=KM161 --model=KM162
expect new --model km1 -- KM161 KM162 '!KM41'
expect import in.csv shop.kmd16 --model km4 -- KM41 KM42 '!KM161'
# Serial devices and COM1, COM2, never a terminal; a path that leads to no serial device (the
# virtual radio's link) completes as a file.
expect read --port "" -- COM1 COM2 '!/dev/tty' '!/dev/tty1' '!/dev/console'
expect write --port /dev/tt -- '!/dev/tty' '!/dev/tty1'
expect fleet shop.kmd16 --port=co -- --port=COM1 --port=COM2
for device in /dev/ttyS0 /dev/ttyUSB0 /dev/ttyACM0; do
    if [ -e "$device" ]; then expect read --port /dev/tty -- "$device"; fi
done
ln -s /dev/null "$work/files/radio-link"
expect write shop.kmd16 --port ./r -- ./radio-link
# Signalling forms, then the core's tones and codes once a form is started.
expect set shop.kmd16 --channel 1 --rx-squelch "" -- csq ctcss: dcs: nsc1 nsc2 '!ctcss:67.0'
expect set shop.kmd16 --channel 1 --tx-squelch ctcss: -- ctcss:67.0 ctcss:100.0 ctcss:250.3
expect set shop.kmd16 --channel 1 --rx-squelch=dcs:02 -- --rx-squelch=dcs:023 --rx-squelch=dcs:023:inv '!--rx-squelch=dcs:754'
# Radio-wide options: the names set --help lists, then each flag's two words and each list's
# ends; times are typed freely.
radio="$("$bin/prg715-cli" set --help | sed -n '/^Radio options (/,/^$/p' | sed 1d)"
[ -n "$radio" ] || fail "set --help lists no radio options"
# shellcheck disable=SC2046
expect set shop.kmd16 --option "" -- $(awk 'NF { print $1 "=" }' <<<"$radio")
while read -r name first last; do
    expect set shop.kmd16 --option "$name=" -- "$name=$first" "$name=$last"
done < <(awk '$2 ~ /^[a-z]+[|][a-z]+$/ { split($2, w, "|"); print $1, w[1], w[2] }
              $2 ~ /^[0-9]+[.][.][0-9]+$/ && $3 == "s" { split($2, n, "."); print $1, n[1], n[3] }' <<<"$radio")
expect set shop.kmd16 --option=lookback= -- --option=lookback=7 '!--option=lookback=8'
[ -z "$(offers set shop.kmd16 --option rx-on=)" ] || fail "--option rx-on= offers words for a time"
# Every signalling value and radio option offered, set takes (on a channel with both
# frequencies, busy-lockout on for marked-idle).
"$bin/prg715-cli" new --model KM161 -o "$work/base" >/dev/null
"$bin/prg715-cli" set "$work/base.kmd16" --channel 1 --rx 146.52 --tx 146.52 --option busy-lockout=on >/dev/null
for option in --rx-squelch --option; do
    where=()
    [ "$option" = --option ] || where=(--channel 1)
    for start in $(offers set plan.kmd16 "${where[@]}" "$option" ""); do
        for value in $(if [[ $start == *[:=] ]]; then offers set plan.kmd16 "${where[@]}" "$option" "$start"; else echo "$start"; fi); do
            cp "$work/base.kmd16" "$work/plan.kmd16"
            "$bin/prg715-cli" set "$work/plan.kmd16" "${where[@]}" "$option" "$value" >/dev/null || fail "set refuses $option $value"
        done
    done
done
expect show "" -- shop.kmd16 site.kmd04
expect new --model KM41 -o s -- shop.kmd16 site.kmd04
expect set shop.kmd16 --channel 1 --scan "" -- on off
expect set shop.kmd16 --power "" -- high low
expect report shop.kmd16 --paper "" -- A4 Letter
[ -z "$(offers read --timeout "")" ] || fail "--timeout offers words for a number of seconds"
finish
