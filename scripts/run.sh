#!/usr/bin/env bash
# Installs, builds and runs PRG-715's main job: a sample plan made and listed by the CLI.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${PRG715_BUILD_DIR:-$root/build}"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
sample="$build/sample.kmd16"
"$build/tools/cli/prg715-cli" new --model KM161 -o "$sample"
"$build/tools/cli/prg715-cli" show "$sample"
