#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures PRG-715's start-up: the time from starting the program to its main window being on
# screen, and the resident memory at that moment. Runs it N times (default 5) on the current
# display, or under Xvfb when there is none, and prints every run and the median.
# usage: scripts/measure-startup.sh [RUNS]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${PRG715_BUILD_DIR:-$root/build}"
runs="${1:-5}"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ] &&
   [ -z "${PRG715_UNDER_XVFB:-}" ]; then
    PRG715_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
if [ -z "${PRG715_UNDER_XVFB:-}" ]; then "$root/scripts/build.sh" >/dev/null; fi
[ -x "$build/src/ui/prg715" ] || "$root/scripts/build.sh" >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
printf '\001\000\000\000' >"$work/port.port"  # COM1: no start-up message to wait for
cd "$work"

echo "platform: ${QT_QPA_PLATFORM:-${WAYLAND_DISPLAY:+wayland}${DISPLAY:+xcb ($DISPLAY)}}"
times=()
memory=()
for i in $(seq 1 "$runs"); do
    start=$(date +%s%N)
    report="$("$build/src/ui/prg715" --startup-report 2>/dev/null)"
    shown=$(sed -n 's/^shown_realtime_ns=//p' <<<"$report")
    rss=$(sed -n 's/^rss_kb=//p' <<<"$report")
    ms=$(( (shown - start) / 1000000 ))
    awk -v i="$i" -v ms="$ms" -v kb="$rss" \
        'BEGIN { printf "run %d: shown after %d ms, resident %.1f MB\n", i, ms, kb / 1024 }'
    times+=("$ms")
    memory+=("$rss")
done
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
awk -v ms="$(median "${times[@]}")" -v kb="$(median "${memory[@]}")" \
    'BEGIN { printf "median: shown after %d ms, resident %.1f MB\n", ms, kb / 1024 }'
