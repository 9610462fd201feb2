#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Line coverage of the whole suite, the desktop's tests included (offscreen and under Xvfb, as
# scripts/test.sh runs them): builds with clang's source-based coverage into build-coverage/
# (or $PRG715_COVERAGE_BUILD_DIR), runs ctest, and prints the lines covered per folder of src/
# and tools/. Every program the tests start (prg715-cli, prg715-radio-sim, prg715) counts;
# tools/docs, whose program runs during the build, is left out.
# usage: coverage.sh [CTEST OPTIONS...]     e.g. coverage.sh -R 'Csv|Cli'
#   the report again without running anything: coverage.sh --report
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${PRG715_COVERAGE_BUILD_DIR:-$root/build-coverage}"
profiles="$build/coverage-profiles"

report() {
    local objects=() program
    # Every program of the tree that ran: the tests, and the programs they start.
    while IFS= read -r program; do
        [ "$(head -c 4 "$program" | od -An -c | tr -d ' ')" = '177ELF' ] || continue
        objects+=(-object "$program")
    done < <(find "$build" -path "$build/CMakeFiles" -prune -o -type f -perm -u+x -print | sort)
    llvm-profdata merge -sparse "$profiles"/*.profraw -o "$build/coverage.profdata"
    # Per file, as lcov records: SF the source (relative to the build folder when ccache
    # rewrote it), LF its lines, LH those run; summed per folder of src/ and tools/. Functions
    # compiled differently into different programs are counted per program: llvm-cov warns.
    llvm-cov export -format=lcov -instr-profile "$build/coverage.profdata" "${objects[@]:1}" \
        2> >(grep -v "functions have mismatched data" >&2) |
    awk -v root="$root/" -v build="$build/" '
        /^SF:/ {
            file = substr($0, 4)
            if (file !~ /^\//) file = build file
            while (sub(/\/[^\/]+\/\.\.\//, "/", file)) {}
            folder = ""
            if (index(file, root) == 1 && index(file, build) != 1) {
                folder = substr(file, length(root) + 1)
                sub(/\/[^\/]*$/, "", folder)
                # prg715-docs runs during the build, not under the tests.
                if (folder !~ /^(src|tools)\// || folder == "tools/docs") folder = ""
            }
        }
        /^LF:/ && folder != "" { lines[folder] += substr($0, 4) }
        /^LH:/ && folder != "" { hit[folder] += substr($0, 4) }
        END { for (f in lines) print f, lines[f], hit[f] }' |
    sort |
    awk '{ printf "%-18s %7d %7d %7.1f%%\n", $1, $2, $2 - $3, 100 * $3 / $2; all += $2; allHit += $3 }
        BEGIN { printf "%-18s %7s %7s %8s\n", "folder", "lines", "missed", "covered" }
        END { printf "%-18s %7d %7d %7.1f%%\n", "all", all, all - allHit, 100 * allHit / all }'
}

if [ "${1:-}" = "--report" ]; then
    report
    exit 0
fi

"$root/scripts/install-deps.sh" --coverage
# Counters live in the profile file itself (continuous mode, which on Linux needs them
# relocatable), so a program the tests stop with a signal still counts: the desktop under the
# screen-reader walk, the virtual radios.
options=(-G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++
         -DCMAKE_CXX_FLAGS="-fprofile-instr-generate -fcoverage-mapping -mllvm -runtime-counter-relocation"
         -DCMAKE_EXE_LINKER_FLAGS="-fprofile-instr-generate" -DPRG715_BUILD_BENCH=OFF)
if command -v ccache >/dev/null; then
    options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" "${options[@]}" >/dev/null
start=$SECONDS
# Programs the build itself runs (test discovery, the manual pages) count for nothing.
LLVM_PROFILE_FILE="$build/CMakeFiles/build-%p.profraw" cmake --build "$build" --parallel 2
echo "coverage: build $((SECONDS - start)) s"

rm -rf "$profiles"
start=$SECONDS
status=0
# One profile per program (%m) that all its processes count into as they run (%c).
(cd "$build" && QT_QPA_PLATFORM=offscreen LLVM_PROFILE_FILE="$profiles/%c%4m.profraw" \
    ctest --output-on-failure --parallel 2 --timeout 300 "$@") || status=$?
echo "coverage: tests $((SECONDS - start)) s"
report
exit "$status"
