#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang (ASan + UBSan) and runs one of them.
# usage: scripts/fuzz.sh TARGET [SECONDS]     e.g. scripts/fuzz.sh fuzz_datafile 60
# (PRG715_FUZZ_CORPUS=DIR keeps new inputs in DIR instead of build-fuzz/corpus-TARGET)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
target="${1:?usage: fuzz.sh TARGET [SECONDS]}"
seconds="${2:-60}"
CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPRG715_FUZZ=ON -DPRG715_BUILD_UI=OFF -DPRG715_BUILD_TESTS=OFF -DPRG715_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target "$target" --parallel 2
# New inputs go to the working corpus; the checked-in seeds (plans and images of every model,
# scripts/fuzz-corpus.sh) are read as well, so a run starts inside the formats.
corpus="${PRG715_FUZZ_CORPUS:-$build/corpus-$target}"
seeds="$root/fuzz/corpus/$target"
mkdir -p "$corpus"
dirs=("$corpus")
[ -d "$seeds" ] && dirs+=("$seeds")
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
"$build/fuzz/$target" -artifact_prefix="$build/" -max_total_time="$seconds" -print_final_stats=1 "${dirs[@]}"
