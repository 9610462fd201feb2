#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of PRG-715 from scratch in build-package/ (or $PRG715_PACKAGE_DIR),
# with Debian's hardening flags, checks it with lintian and prints the path of the .deb.
# Progress goes to stderr, so `deb="$(bash scripts/package.sh)"` takes the path alone.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${PRG715_PACKAGE_DIR:-$root/build-package}"

"$root/scripts/install-deps.sh" >&2

# A package is built from nothing but the sources: no cache or objects from an earlier build.
rm -rf "$build"
flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
# Under /usr, as the package installs it: the programs name the manual's folder by that path.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
    -DPRG715_BUILD_TESTS=OFF -DPRG715_BUILD_BENCH=OFF "${launcher[@]}" \
    -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" >&2
cmake --build "$build" --parallel "$(nproc)" >&2
(cd "$build" && cpack -G DEB) >&2

debs=("$build"/prg715_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] ||
    { echo "package.sh: cpack left no single prg715 .deb in $build" >&2; exit 1; }
lintian --fail-on error "${debs[0]}" >&2
echo "${debs[0]}"
