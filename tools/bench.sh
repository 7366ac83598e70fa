#!/usr/bin/env bash
# Builds the benchmarks (optimised) and runs every one of them; they print figures only.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTORMBELL_BENCH=ON
cmake --build build-bench -j "$(nproc)"

for bench in build-bench/bench/*_bench; do
    [ -x "$bench" ] || continue
    echo "== ${bench##*/}"
    "$bench" "$@"
done

echo "== day_bench (1,440 update cycles against six local servers, about 3 minutes)"
python3 bench/day_bench.py build-bench/bench/day_cycles

echo "== fetch_bench (stormbell-cli fetch against curl)"
bash bench/fetch_bench.sh build-bench/tools/cli/stormbell-cli

echo "== https_fetch_bench (stormbell-cli fetch over HTTPS against curl; the gauge's memory)"
bash bench/https_fetch_bench.sh build-bench/tools/cli/stormbell-cli build-bench/app/stormbell

echo "== window_bench (the real window under Xvfb, about 70 s)"
xvfb-run -a -s "-screen 0 800x500x24" python3 bench/window_bench.py build-bench/app/stormbell \
    build-bench/bench/minimal_window build-bench/window-after-fetch.png
