#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop's translations: brings translations/prg715_*.ts up to date with the texts in the
# sources (the msg:: table and the desktop's own), keeping what translators wrote.
# usage: update-translations.sh [--check]
#   --check: change nothing; fail when a .ts file is stale against the sources or has an
#            unfinished, obsolete or vanished entry (every language offered is complete).
# LUPDATE may name the tool; else Qt's own is found through qtpaths6.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
lupdate="${LUPDATE:-$(qtpaths6 --query QT_HOST_LIBEXECS 2>/dev/null)/lupdate}"
[ -x "$lupdate" ] || lupdate="$(qtpaths6 --query QT_HOST_BINS)/lupdate"
# PRG715_LANGUAGES narrows the run to some of them.
read -r -a languages <<<"${PRG715_LANGUAGES:-de fr es it pt_BR pl ja zh_CN}"
sources=("$root/src/ui" "$root/src/model/Messages.h")
# One context for every text, no line numbers (a moved line is no change to translate).
options=(-silent -locations none -no-ui-lines -tr-function-alias QT_TR_NOOP+=PRG715_TEXT)

update() {  # update DIR: the .ts files in DIR
    local ts=()
    for l in "${languages[@]}"; do ts+=("$1/prg715_$l.ts"); done
    # The text table is a namespace and some classes are defined out of line: lupdate's
    # remarks about those are no fault.
    "$lupdate" "${options[@]}" "${sources[@]}" -ts "${ts[@]}" 2>&1 |
        grep -v "lacks Q_OBJECT macro\|undeclared qualified class" >&2 || true
}

if [ "${1:-}" != "--check" ]; then
    for l in "${languages[@]}"; do
        [ -e "$root/translations/prg715_$l.ts" ] ||
            printf '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n<TS version="2.1" language="%s">\n</TS>\n' \
                "$l" >"$root/translations/prg715_$l.ts"
    done
    update "$root/translations"
    exit 0
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$root"/translations/prg715_*.ts "$work/"
update "$work"
status=0
for l in "${languages[@]}"; do
    file="$root/translations/prg715_$l.ts"
    if ! cmp -s "$file" "$work/prg715_$l.ts"; then
        echo "prg715_$l.ts is stale: run scripts/update-translations.sh and translate what it adds"
        diff -u "$file" "$work/prg715_$l.ts" | grep '^[-+] *<source>' | head -5
        status=1
    fi
    for kind in unfinished obsolete vanished; do
        n=$(grep -c "type=\"$kind\"" "$file" || true)
        [ "$n" = 0 ] || { echo "prg715_$l.ts: $n $kind entries"; status=1; }
    done
    entries=$(grep -c '<source>' "$file" || true)
    echo "prg715_$l.ts: $entries texts"
done
exit "$status"
