#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what PRG-715 needs to build, run and test on Debian 12 or later and Ubuntu 24.04 or
# later (older releases ship a CMake older than 3.25 or no Qt 6).
# Runs apt-get only when a package is missing, as root or through sudo.
# usage: install-deps.sh [--windows] [--sanitize] [--coverage]
#   --windows:  also the MinGW-w64 cross compiler, wine to run its programs, GoogleTest's
#               sources to build with it, Python for the programs' icon and unzip to look into
#               the zip (scripts/test-windows.sh)
#   --sanitize: also clang with its sanitizer and libFuzzer runtimes, and lld (scripts/sanitize.sh)
#   --coverage: also clang and llvm-cov (scripts/coverage.sh)
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-qpa-plugins qt6-serialport-dev libgl-dev libx11-dev fonts-dejavu-core
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-droid-fallback
    poppler-utils xvfb xauth
    at-spi2-core dbus-daemon python3-pyatspi
    libcli11-dev groff-base bash-completion
    desktop-file-utils appstream shared-mime-info lintian
)
for option in "$@"; do
    case "$option" in
        # The -posix thread model, so std::thread and std::mutex work in the cross build.
        --windows) packages+=(g++-mingw-w64-x86-64-posix wine wine64 googletest python3 unzip) ;;
        # libclang-rt-dev holds the ASan, UBSan and libFuzzer runtimes; clang alone lacks them.
        --sanitize) packages+=(clang libclang-rt-dev lld) ;;
        --coverage) packages+=(clang llvm) ;;
        *) echo "usage: install-deps.sh [--windows] [--sanitize] [--coverage]" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: all packages present"
    exec "$(dirname "$0")/check-platform.sh"
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "install-deps: installing ${missing[*]}"
# Another install running at the same time (a second build, the desktop's updater) is waited for.
wait_lock=(-o DPkg::Lock::Timeout=900)
$sudo apt-get "${wait_lock[@]}" update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get "${wait_lock[@]}" install -y -qq --no-install-recommends "${missing[@]}"
"$(dirname "$0")/check-platform.sh"
