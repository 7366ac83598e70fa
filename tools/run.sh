#!/usr/bin/env bash
# Builds the gauge and starts it. Until the window exists, decodes the sample reports instead.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"

if [ -x build/app/stormbell ]; then
    exec build/app/stormbell
fi
exec build/tools/cli/stormbell-cli decode tests/data/reports/*.TXT
