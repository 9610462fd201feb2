#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The layers by their includes: a dialog reaches neither the view nor the application, and
# nothing outside the desktop pulls in Qt Widgets. The rules are first shown to catch a planted
# break, so an empty match cannot pass for a clean tree.
# Usage: IncludeRulesTest.sh QT_WIDGETS_INCLUDE_DIR
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
widgets="$1"

# Prints one line per broken rule in the src tree under $1.
broken() {
    local src="$1"
    grep -rnE '#include "ui/(view|app)/' "$src/ui/dialogs" | sed 's/^/dialog reaches up: /'
    grep -rnE '#include <(QtWidgets/)?Q[A-Za-z]*>' "$src" --include='*.h' --include='*.cpp' |
        grep -v "^$src/ui/" |
        while IFS= read -r line; do
            header="$(sed -E 's/.*#include <(QtWidgets\/)?(Q[A-Za-z]*)>.*/\2/' <<<"$line")"
            [ -e "$widgets/$header" ] && echo "Qt Widgets outside the desktop: $line"
        done
}

[ -e "$widgets/QWidget" ] || { echo "FAIL: no Qt Widgets headers in '$widgets'"; exit 1; }

planted="$(mktemp -d)"
trap 'rm -rf "$planted"' EXIT
mkdir -p "$planted/ui/dialogs" "$planted/model"
echo '#include "ui/view/KM42View.h"' >"$planted/ui/dialogs/Planted.cpp"
echo '#include <QMessageBox>' >"$planted/model/Planted.h"
if [ "$(broken "$planted" | wc -l)" -ne 2 ]; then
    echo "FAIL: the rules miss a planted break:"; broken "$planted"; exit 1
fi

found="$(broken "$root/src")"
[ -z "$found" ] || { echo "FAIL:"; echo "$found"; exit 1; }
echo "include rules hold"
