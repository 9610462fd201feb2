#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# prg715-cli fleet killed with SIGKILL in the middle of radio 7 of 10, on prg715-radio-sim:
# prints whether the log still holds radios 1 to 6 whole and parseable with no partial line,
# and whether the port opens at once for the same ordinary user (as nobody when run
# as root: root is exempt from a terminal's exclusive mode). Needs a build; takes about 2.5 min.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${PRG715_BUILD_DIR:-$root/build}"
cli="$build/tools/cli/prg715-cli"
sim="$build/tools/radio-sim/prg715-radio-sim"
work="$(mktemp -d)"
chmod 777 "$work"
sim_pid=""
cleanup() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

as_user=(env XDG_DATA_HOME="$work/data")
if [ "$(id -u)" = 0 ]; then
    as_user=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups -- "${as_user[@]}")
fi

"${as_user[@]}" "$sim" --no-pacing --radios 10 --link "$work/radio" >"$work/sim.out" 2>"$work/sim.err" &
sim_pid=$!
until [ -s "$work/sim.out" ]; do sleep 0.05; done
"${as_user[@]}" "$cli" new --model KM162 -o "$work/plan" >/dev/null

seq 1 10 | "${as_user[@]}" "$cli" fleet "$work/plan.kmd16" --port "$work/radio" --labels - \
    --log "$work/log.csv" >"$work/fleet.out" 2>"$work/fleet.err" &
fleet_pid=$!
until grep -q "^radio 6 " "$work/fleet.out"; do sleep 0.1; done
before="$(grep -c "Writing... 128 " "$work/fleet.err")"
until [ "$(grep -c "Writing... 128 " "$work/fleet.err")" -gt "$before" ]; do sleep 0.05; done
{ kill -KILL "$fleet_pid"; wait "$fleet_pid"; } 2>/dev/null || true
echo "killed with SIGKILL while writing radio 7"

failed=0
check() {  # WHAT COMMAND...
    local what="$1"; shift
    if "$@"; then echo "  $what: yes"; else echo "  $what: NO"; failed=1; fi
}
lines="$(($(wc -l <"$work/log.csv") - 1))"
echo "  log lines: $lines"
check "radios 1 to 6 logged" [ "$lines" = 6 ]
check "last line complete" [ "$(tail -c 1 "$work/log.csv" | od -An -c | tr -d ' ')" = '\n' ]
"${as_user[@]}" "$cli" history --log "$work/log.csv" >"$work/history.out" 2>"$work/history.err"
six_read() { [ "$(grep -c " job " "$work/history.out")" = 6 ] && ! grep -q "left out" "$work/history.err"; }
check "history reads 6 radios, none left out" six_read
check "labels 6 down to 1, newest first" \
    [ "$(grep -o 'radio [0-9]* "[0-9]*"' "$work/history.out" | awk '{print $2}' | tr '\n' ' ')" = "6 5 4 3 2 1 " ]
# The port is free at once; the radio itself, left halfway through a write, gives that transfer
# up after 3 s of silence (as a real radio does) and then answers again.
"${as_user[@]}" "$cli" read --port "$work/radio" -o "$work/now" --no-backup --timeout 1 \
    2>"$work/now.err" || true
port_free() { ! grep -q "Fail to open\|in use\|ermission" "$work/now.err"; }
check "the port opens at once for the same user" port_free
sleep 3.5
check "the radio answers the next read once it has given the broken write up" \
    "${as_user[@]}" "$cli" read --port "$work/radio" -o "$work/after" --no-backup --timeout 3 \
    >/dev/null 2>&1
exit "$failed"
