#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds one libFuzzer target in the sanitizer tree (build-sanitize/, clang, ASan + UBSan, as
# scripts/sanitize.sh configures it) and runs it for a while.
# usage: scripts/fuzz.sh TARGET [SECONDS]     e.g. scripts/fuzz.sh fuzz_datafile 60
# (PRG715_FUZZ_CORPUS=DIR keeps new inputs in DIR instead of build-sanitize/corpus-TARGET)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${PRG715_SANITIZE_BUILD_DIR:-$root/build-sanitize}"
target="${1:?usage: fuzz.sh TARGET [SECONDS]}"
seconds="${2:-60}"
PRG715_SANITIZE_BUILD_DIR="$build" "$root/scripts/sanitize.sh" --configure-only
cmake --build "$build" --target "$target" --parallel 2
# New inputs go to the working corpus; the checked-in seeds (plans, images and channel lists,
# scripts/fuzz-corpus.sh) are read as well, so a run starts inside the formats.
corpus="${PRG715_FUZZ_CORPUS:-$build/corpus-$target}"
seeds="$root/fuzz/corpus/$target"
mkdir -p "$corpus"
dirs=("$corpus")
[ -d "$seeds" ] && dirs+=("$seeds")
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
"$build/fuzz/$target" -artifact_prefix="$build/" -max_total_time="$seconds" -print_final_stats=1 "${dirs[@]}"
