#!/usr/bin/env bash
# Builds the gauge and starts it; with --demo, against a local server of sample reports and with
# settings of its own (tools/demo.sh), for a machine without internet; --demo --https serves them
# over HTTPS with a throwaway CA.
set -euo pipefail
cd "$(dirname "$0")/.."

demo_args=()
case "${1:-} ${2:-}" in
"--demo ") targets=(stormbell stormbell-cli) ;;
"--demo --https") targets=(stormbell stormbell-cli) demo_args=(--https) ;;
" ") targets=(stormbell) ;;
*)
    echo "usage: tools/run.sh [--demo [--https]]" >&2
    exit 2
    ;;
esac

bash tools/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target "${targets[@]}"
if [ "${1:-}" = --demo ]; then
    exec tools/demo.sh "${demo_args[@]}"
fi
exec build/app/stormbell
