#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is needed, builds, and starts the PRG-715 desktop application. Arguments go to
# the program (for example a data file to open). Without a display (DISPLAY and
# WAYLAND_DISPLAY unset) it runs under Xvfb, invisibly, until stopped with Ctrl+C.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${PRG715_BUILD_DIR:-$root/build}"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
app="$build/src/ui/prg715"
# The built-in virtual radio on COM1, so Read and Write can be tried without a radio; left out
# when the arguments say where COM1 is (--com1 PATH) or ask for the virtual radio themselves.
virtual=(--virtual-radio)
for arg in "$@"; do
    case "$arg" in --com1|--com1=*|--virtual-radio|--virtual-radio=*) virtual=() ;; esac
done
set -- "$@" "${virtual[@]}"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ] || [ -n "${QT_QPA_PLATFORM:-}" ]; then
    exec "$app" "$@"
fi
echo "run.sh: no display found; starting PRG-715 under Xvfb (invisible, Ctrl+C stops it)." >&2
echo "run.sh: on a desktop or over 'ssh -X' it opens its window; scripts/screenshot.sh shows it." >&2
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$app" "$@"
