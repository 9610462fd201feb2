#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan + UBSan) and runs one of them.
# usage: scripts/fuzz.sh TARGET [SECONDS]     e.g. scripts/fuzz.sh fuzz_datafile 60
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
target="${1:?usage: fuzz.sh TARGET [SECONDS]}"
seconds="${2:-60}"
CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPRG715_FUZZ=ON -DPRG715_BUILD_UI=OFF -DPRG715_BUILD_TESTS=OFF -DPRG715_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target "$target" --parallel 2
corpus="$build/corpus-$target"
mkdir -p "$corpus"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
"$build/fuzz/$target" -artifact_prefix="$build/" -max_total_time="$seconds" -print_final_stats=1 "$corpus"
