#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The core, prg715-cli, prg715-radio-sim and their tests built with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-sanitize/ (or $PRG715_SANITIZE_BUILD_DIR), the tests run
# there, then every fuzzer from its seed corpus, two at a time. Any finding fails: a test, or a
# fuzzer whose input is kept and whose reproducer command is printed. No Qt, no desktop.
# usage: sanitize.sh [--tests-only | --fuzz-only | --configure-only]
#   PRG715_FUZZ_SECONDS  how long each fuzzer runs (60)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${PRG715_SANITIZE_BUILD_DIR:-$root/build-sanitize}"
seconds="${PRG715_FUZZ_SECONDS:-60}"
tests=1
fuzz=1
case "${1:-}" in
    "") ;;
    --tests-only) fuzz=0 ;;
    --fuzz-only) tests=0 ;;
    --configure-only) tests=0 fuzz=0 ;;
    *) echo "usage: sanitize.sh [--tests-only | --fuzz-only | --configure-only]" >&2; exit 2 ;;
esac

"$root/scripts/install-deps.sh" --sanitize

elapsed() { echo $((SECONDS - $1)); }

# One tree for the tests and the fuzzers: every library carries the fuzzers' coverage hooks
# beside the sanitizers. -O1 keeps the stacks readable and the asserts stay on.
options=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g"
         -DCMAKE_CXX_COMPILER=clang++
         -DPRG715_FUZZ=ON -DPRG715_BUILD_UI=OFF -DPRG715_BUILD_BENCH=OFF -DPRG715_BUILD_TESTS=ON)
if command -v ccache >/dev/null; then
    options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
if command -v ld.lld >/dev/null; then
    options+=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld)
fi
cmake -S "$root" -B "$build" "${options[@]}" >/dev/null
[ "$tests" = 1 ] || [ "$fuzz" = 1 ] || exit 0

export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=0

start=$SECONDS
if [ "$tests" = 1 ]; then
    cmake --build "$build" --parallel 2
else
    cmake --build "$build" --parallel 2 --target fuzzers
fi
echo "sanitize: build $(elapsed "$start") s"

if [ "$tests" = 1 ]; then
    start=$SECONDS
    (cd "$build" && ctest --output-on-failure --parallel 2 --timeout 300) ||
        failed=1
    echo "sanitize: tests $(elapsed "$start") s"
fi

# Each fuzzer reads its checked-in seeds and keeps what it finds in a scratch corpus of this
# run; libFuzzer exits non-zero on a crash, a leak, a sanitizer report or a hang.
run_fuzzer() {  # run_fuzzer NAME
    local name="$1" work="$build/fuzz-run/$1" status=0
    rm -rf "$work"
    mkdir -p "$work/corpus"
    local dirs=("$work/corpus")
    [ -d "$root/fuzz/corpus/$name" ] && dirs+=("$root/fuzz/corpus/$name")
    "$build/fuzz/$name" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$work/" "${dirs[@]}" >"$work/log" 2>&1 ||
        status=$?
    echo "$status" >"$work/status"
}

if [ "$fuzz" = 1 ]; then
    start=$SECONDS
    names=()
    for program in "$build"/fuzz/fuzz_*; do
        [ -x "$program" ] && names+=("$(basename "$program")")
    done
    for name in "${names[@]}"; do
        while [ "$(jobs -rp | wc -l)" -ge 2 ]; do wait -n || true; done
        run_fuzzer "$name" &
    done
    wait
    for name in "${names[@]}"; do
        work="$build/fuzz-run/$name"
        runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")"
        coverage="$(grep -o 'cov: [0-9]*' "$work/log" | tail -n 1)"
        if [ "$(cat "$work/status")" = 0 ]; then
            echo "sanitize: $name: ${runs:-?} runs in ${seconds} s, ${coverage:-cov: ?}"
            continue
        fi
        failed=1
        echo "sanitize: $name FAILED (exit status $(cat "$work/status")); the end of its log:"
        tail -n 60 "$work/log" | sed 's/^/    /'
        for artifact in "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-* \
                        "$work"/slow-unit-*; do
            [ -e "$artifact" ] || continue
            echo "  input: $artifact"
            echo "  reproduce: ASAN_OPTIONS=$ASAN_OPTIONS UBSAN_OPTIONS=$UBSAN_OPTIONS" \
                 "$build/fuzz/$name $artifact"
        done
    done
    echo "sanitize: fuzzers $(elapsed "$start") s"
fi

[ "$failed" = 0 ] && echo "sanitize: no findings" || echo "sanitize: FAILED"
exit "$failed"
