#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file of the project says its licence in its first lines (after a #! line), and
# LICENSE holds the licence's full text. Prints each file that does not; fails if any.
#   scripts/check-licence.sh [SOURCE_DIR]
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root"
tag='SPDX-License-Identifier: GPL-3.0-or-later'

missing=0
# Tracked files when this is a git checkout; otherwise (an unpacked source archive) every file.
list_sources() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files -co --exclude-standard
    else
        find . -path './build*' -prune -o -type f -print | sed 's|^\./||'
    fi
}
while IFS= read -r file; do
    [ -f "$file" ] || continue
    case "$file" in
        *.cpp | *.h | *.c | *.cmake | *.sh | *.py | *.rc.in | */CMakeLists.txt | CMakeLists.txt | .ci/run) ;;
        *) continue ;;
    esac
    head -n 3 "$file" | grep -qF "$tag" || { echo "no licence line: $file"; missing=$((missing + 1)); }
done < <(list_sources)

grep -q 'GNU GENERAL PUBLIC LICENSE' LICENSE 2>/dev/null &&
    grep -q 'Version 3, 29 June 2007' LICENSE ||
    { echo "LICENSE does not hold the GNU GPL version 3"; missing=$((missing + 1)); }

if [ "$missing" -ne 0 ]; then
    echo "$missing file(s) without their licence (add: $tag)"
    exit 1
fi
echo "every source file names its licence"
