#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks as an ordinary user that a transfer ended in any way (to its end, Ctrl+C, SIGTERM,
# kill -9) leaves the port free for that user's next transfer, on prg715-radio-sim. Root is
# exempt from a terminal's exclusive mode, so run as root the script switches to the user
# nobody. Needs a build (scripts/build.sh); takes about 20 s.
set -euo pipefail
set -m  # background jobs get Ctrl+C's signal as a foreground command would
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${PRG715_BUILD_DIR:-$root/build}"
cli="$build/tools/cli/prg715-cli"
sim="$build/tools/radio-sim/prg715-radio-sim"
work="$(mktemp -d)"
chmod 777 "$work"
# The transfer traces every exchange keeps stay in the throwaway folder.
export XDG_STATE_HOME="$work/state"
sim_pid=""
cleanup() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Every program starts as the ordinary user with Ctrl+C's signal in its default state (a
# script's background jobs may have inherited it ignored). A plain command, not a function, so
# that $! is the program itself.
as_user=(env --default-signal=INT,TERM,HUP)
if [ "$(id -u)" = 0 ]; then
    as_user=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups -- "${as_user[@]}")
    echo "running the programs as nobody"
else
    echo "running the programs as $(id -un)"
fi

"${as_user[@]}" "$sim" --no-pacing --link "$work/radio" >"$work/sim.out" &
sim_pid=$!
until [ -s "$work/sim.out" ]; do sleep 0.05; done
"${as_user[@]}" "$cli" new --model KM162 -o "$work/plan" >/dev/null

failed=0
read_after() {
    # --no-backup: the check leaves nothing in the user's backup folder.
    if "${as_user[@]}" "$cli" read --port "$work/radio" -o "$work/$1" --no-backup >/dev/null \
        2>"$work/read.err"; then
        echo "  next read: ok"
    else
        echo "  next read: FAILED: $(cat "$work/read.err")"
        failed=1
    fi
}

echo "a read to its end"
read_after first
for signal in INT TERM KILL; do
    echo "a write stopped by SIG$signal"
    "${as_user[@]}" "$cli" write --port "$work/radio" "$work/plan.kmd16" --no-backup \
        2>"$work/write.err" &
    write_pid=$!
    until grep -q "Writing... 128" "$work/write.err"; do sleep 0.05; done
    kill -s "$signal" "$write_pid"
    status=0
    wait "$write_pid" || status=$?
    echo "  exit status $status"
    sleep 3.3  # the radio gives up on the broken write
    read_after "after-$signal"
done
[ "$failed" = 0 ] && echo "port released after every end" || echo "port NOT released"
exit "$failed"
