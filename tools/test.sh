#!/usr/bin/env bash
# Builds and runs every test: the full build, the Debian package, then the core again under ASan
# and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" -LE package
# The Debian package, from its own clean Release build.
ctest --test-dir build --output-on-failure -L package

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DSTORMBELL_SANITIZE=ON -DSTORMBELL_GUI=OFF -DSTORMBELL_BENCH=OFF
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
