#!/usr/bin/env bash
# Builds the optimised tree and runs every benchmark; the figures go to standard output.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"

bash bench/fetch_bench.sh build/tools/cli/stormbell-cli
