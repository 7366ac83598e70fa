#!/usr/bin/env bash
# Runs the whole test suite (all but the package test) many times in a row while two busy loops
# hold both cores, and stops at the first red run: the check that no test depends on a quiet
# machine. Not part of CI; the build must be made first.
# usage: tools/repeat-suite.sh [BUILD_DIR [RUNS]]   (build, 20)
set -euo pipefail
build=${1:-build}
runs=${2:-20}

source "$(dirname "$0")/busy-cores.sh"

log=$(mktemp)
for run in $(seq "$runs"); do
    started=$(date +%s)
    if ! ctest --test-dir "$build" -j "$(nproc)" -LE package --output-on-failure >"$log" 2>&1; then
        echo "run $run of $runs failed:" >&2
        grep -A40 "tests FAILED" "$log" >&2 || tail -n 40 "$log" >&2
        exit 1
    fi
    echo "run $run of $runs passed ($(($(date +%s) - started)) s, load $(cut -d' ' -f1 /proc/loadavg))"
done
rm -f "$log"
