#!/usr/bin/env bash
# Builds the Debian package stormbell_<version>_<arch>.deb with CPack from a clean Release build.
# usage: tools/package.sh [OUT_DIR]   (default out/; BUILD_DIR chooses the build folder,
# build-package/ by default, which is emptied first)
set -euo pipefail
source=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$source/out}")
build=$(realpath -m "${BUILD_DIR:-$source/build-package}")

# Debian's hardening flags (stack protector, fortified libc calls, read-only relocations).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
rm -rf "$build"
cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DSTORMBELL_TESTS=OFF -DSTORMBELL_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"
mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
rm -rf "$out/_CPack_Packages"
ls "$out"/stormbell_*.deb
