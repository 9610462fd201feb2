#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Says plainly when this machine's CMake is older than the build needs (Ubuntu 22.04 ships
# 3.22), instead of leaving it to CMake's own error once the build has begun.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
needed="$(sed -n 's/^cmake_minimum_required(VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
have="$(cmake --version 2>/dev/null | sed -n '1s/^cmake version \([0-9][0-9.]*\).*/\1/p')"
releases="Debian 12 or later, Ubuntu 24.04 or later"
if [ -z "$have" ]; then
    echo "check-platform: cmake is not installed; PRG-715 needs CMake $needed ($releases)" >&2
    exit 1
fi
if [ "$(printf '%s\n%s\n' "$needed" "$have" | sort -V | head -n 1)" != "$needed" ]; then
    echo "check-platform: CMake $have is too old; PRG-715 needs CMake $needed or later," \
        "as $releases ship it" >&2
    exit 1
fi
