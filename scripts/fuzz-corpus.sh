#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Rebuilds the fuzzers' seed corpus in fuzz/corpus/ from the built tools (scripts/build.sh first):
# the default and sample plans and images of every model, the sample plans as channel lists,
# and a few odd images and files, so that fuzzing starts inside the formats instead of at their
# first byte.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${PRG715_BUILD_DIR:-$root/build}"
cli="$build/tools/cli/prg715-cli"
sim="$build/tools/radio-sim/prg715-radio-sim"
images="$root/fuzz/corpus/fuzz_image"
plans="$root/fuzz/corpus/fuzz_datafile"
lists="$root/fuzz/corpus/fuzz_csv"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
rm -rf "$images" "$plans" "$lists"
mkdir -p "$images" "$plans" "$lists"

# The image fuzzer reads 2739 bytes of image buffer, then a data file for the plan it decodes onto.
pad_to_buffer() { head -c 2739 <(cat "$1" /dev/zero); }

for model in KM41 KM42 KM161 KM162; do
    # New-plan defaults, as New and Save would write them, and the image Write would send.
    "$cli" new --model "$model" -o "$work/new-$model" >/dev/null
    cp "$work"/new-"$model".kmd* "$plans/new-$model"
    "$cli" encode "$work"/new-"$model".kmd* -o "$images/new-$model.img" >/dev/null
    # The virtual radio's sample plan: every kind of signalling, scan, priority, offsets.
    "$sim" --model "$model" --image "$work/demo-$model.img" >/dev/null &
    sim_pid=$!
    until [ -s "$work/demo-$model.img" ]; do sleep 0.05; done
    kill "$sim_pid"
    wait "$sim_pid" || true
    cp "$work/demo-$model.img" "$images/demo-$model.img"
    "$cli" decode "$work/demo-$model.img" -o "$work/demo-$model" >/dev/null
    cp "$work"/demo-"$model".kmd* "$plans/demo-$model"
    "$cli" export "$work"/demo-"$model".kmd* -o "$lists/demo-$model.csv" >/dev/null
done

# Images decoded onto a plan of the other channel count.
cat <(pad_to_buffer "$images/demo-KM162.img") "$plans/demo-KM41" >"$images/demo-KM162-onto-KM41"
cat <(pad_to_buffer "$images/demo-KM42.img") "$plans/demo-KM161" >"$images/demo-KM42-onto-KM161"
# Odd images: blank and erased memory, older firmware without the format marker, cut short.
head -c 2112 /dev/zero >"$images/blank.img"
head -c 2112 /dev/zero | tr '\0' '\377' >"$images/erased.img"
cp "$images/demo-KM161.img" "$images/no-marker.img"
printf '\000' | dd of="$images/no-marker.img" bs=1 seek=154 conv=notrunc status=none
head -c 1000 "$images/demo-KM162.img" >"$images/cut-short.img"
# Odd plan files: header only, a 16-channel header over 4 records, a long tail.
head -c 104 "$plans/demo-KM161" >"$plans/header-only"
cp "$plans/demo-KM42" "$plans/sixteen-header-four-records"
printf '\001' | dd of="$plans/sixteen-header-four-records" bs=1 seek=100 conv=notrunc status=none
cat "$plans/demo-KM162" "$images/demo-KM162.img" >"$plans/long-tail"
# Channel lists as spreadsheets and other tools write them: semicolons and decimal commas,
# quoting, a byte-order mark, columns in another order, every signalling mode, rows to refuse.
cp "$root"/tests/interchange/data/*.csv "$lists/"
echo "seed corpus: $(ls "$images" | wc -l) images, $(ls "$plans" | wc -l) plan files," \
    "$(ls "$lists" | wc -l) channel lists"
