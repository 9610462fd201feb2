#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the desktop on the sample plan and the virtual radio, on a private X server, session
# bus and accessibility bus, and lets walk-desktop.py read it as a screen reader does.
# usage: walk-desktop.sh PRG715 SAMPLE_PLAN_TOOL   (exit 77: the tools for it are missing)
set -euo pipefail
app="$(realpath "$1")"
launcher="$(for l in /usr/libexec /usr/lib/at-spi2-core; do [ -x "$l/at-spi-bus-launcher" ] &&
    echo "$l/at-spi-bus-launcher" && break; done || true)"
# Debian's pyatspi is the system interpreter's, whatever python3 comes first on PATH.
python="$(for p in /usr/bin/python3 python3; do "$p" -c 'import pyatspi' 2>/dev/null &&
    echo "$p" && break; done || true)"
if [ -z "$launcher" ] || [ -z "$python" ] || ! command -v Xvfb >/dev/null ||
    ! command -v dbus-run-session >/dev/null; then
    echo "walk-desktop: needs Xvfb, dbus-run-session, at-spi2-core and python3-pyatspi" >&2
    exit 77
fi
[ -n "${PRG715_IN_SESSION:-}" ] ||
    exec env PRG715_IN_SESSION=1 timeout 80 dbus-run-session -- "$0" "$@"

work="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait || true
    rm -rf "$work"
}
trap cleanup EXIT
# Settings, backups and logs of this run stay in the scratch folder.
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "walk-desktop: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
"$launcher" --launch-immediately 2>/dev/null &
pids+=($!)

"$2" "$work/sample.kmd16"
printf '\001\000\000\000' >"$work/port.port"  # COM1, so no start-up message
(cd "$work" && QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    exec "$app" sample.kmd16 --virtual-radio >"$work/app.log" 2>&1) &
pids+=($!)
"$python" "$(dirname "$0")/walk-desktop.py" PRG-715 "$work/plan.csv" ||
    { sed 's/^/prg715: /' "$work/app.log" >&2; exit 1; }
