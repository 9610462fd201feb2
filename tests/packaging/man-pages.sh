#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed manual pages render without a warning and name every option that the programs'
# --help prints: each prg715-cli command's options in that command's part of the page.
# usage: man-pages.sh CMAKE BUILD_DIR APP_ID
cmake="$1" build="$2" id="$3"
source "$(dirname "$0")/common.sh"
need groff zcat
stage_install
man1="$stage/usr/share/man/man1"
bin="$stage/usr/bin"

# Plain text, one paragraph line unbroken and unhyphenated, so names can be looked up whole.
render() { zcat "$1" | groff -man -Tascii -P-cbou -rLL=400n -rHY=0 2>/dev/null; }
# Option names of a --help: the lines that start with an option, as "-o" and "--output".
help_options() { grep -E '^ {2}-' | sed -E 's/^ +//; s/ {2,}.*//; s/ [<A-Za-z].*//' | tr ',' '\n' | tr -d ' '; }
# The lines of the part of a rendered page under a heading of three blanks ("   new").
subsection() { awk -v h="   $2" '$0 == h { on = 1; next } on && /^ {0,3}[^ ]/ { on = 0 } on' <<<"$1"; }

for program in prg715 prg715-cli prg715-radio-sim; do
    page="$man1/$program.1.gz"
    [ -f "$page" ] || { fail "$program has no manual page"; continue; }
    warnings="$(zcat "$page" | groff -man -Tutf8 -ww -z 2>&1)"
    [ -z "$warnings" ] || fail "$program.1 renders with warnings: $warnings"
    [[ "$(render "$page" | head -1)" == "${program^^}(1)"* ]] || fail "$program.1 has no title line"
done

desktop_help="$(QT_QPA_PLATFORM=offscreen "$bin/prg715" --help 2>/dev/null)"
for program in prg715 prg715-radio-sim; do
    text="$(render "$man1/$program.1.gz")"
    if [ "$program" = prg715 ]; then help="$desktop_help"; else help="$("$bin/$program" --help)"; fi
    options="$(help_options <<<"$help")"
    [ -n "$options" ] || fail "no options found in $program --help"
    for option in $options; do
        grep -qF -- "$option" <<<"$text" || fail "$program.1 does not name $option"
    done
done

cli_text="$(render "$man1/prg715-cli.1.gz")"
commands="$("$bin/prg715-cli" --help | sed -n '/^Commands:/,/^$/p' | awk 'NR > 1 && NF { print $1 }')"
[ "$(wc -w <<<"$commands")" -ge 12 ] || fail "prg715-cli --help lists the commands: $commands"
for command in $commands; do
    part="$(subsection "$cli_text" "$command")"
    [ -n "$part" ] || { fail "prg715-cli.1 has no part for $command"; continue; }
    grep -qF -- "prg715-cli $command" <<<"$part" || fail "prg715-cli.1 gives no synopsis for $command"
    for option in $("$bin/prg715-cli" "$command" --help | help_options); do
        case "$option" in -h | --help) where="$cli_text" ;; *) where="$part" ;; esac
        grep -qF -- "$option" <<<"$where" || fail "prg715-cli.1 does not name $command $option"
    done
done
finish
