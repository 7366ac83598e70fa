#!/usr/bin/env bash
# Builds the benchmarks and runs each one; they print figures and never fail on timing.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTORMBELL_BENCH=ON
cmake --build build -j "$(nproc)"

for bench in build/bench/*_bench; do
    [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    "$bench"
done
