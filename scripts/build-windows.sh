#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and cross-builds the core, prg715-cli and the core's tests for 64-bit Windows with
# MinGW-w64 into build-windows/ (or $PRG715_WINDOWS_BUILD_DIR), with ccache where there is one.
# Needs scripts/install-deps.sh --windows; scripts/test-windows.sh and package-windows.sh run it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${PRG715_WINDOWS_BUILD_DIR:-$root/build-windows}"

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -G Ninja --toolchain "$root/cmake/toolchains/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPRG715_BUILD_UI=OFF -DPRG715_BUILD_BENCH=OFF \
    -DPRG715_GTEST_SOURCE_DIR=/usr/src/googletest "${launcher[@]}" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
