#!/usr/bin/env bash
# Runs the tests that start an X server or buses of their own (ctest label own_display) many
# times in a row while two busy loops hold both cores, and prints each test's pass and fail
# counts: the check that they never race. Not part of CI; the build must be made first.
# usage: tools/repeat-display-tests.sh [BUILD_DIR [RUNS]]   (build, 50)
set -euo pipefail
build=${1:-build}
runs=${2:-50}
tests=$(ctest --test-dir "$build" -N -L own_display | sed -n 's/^ *Test *#[0-9]*: //p')
[ -n "$tests" ] || { echo "no own_display tests in $build (build it first)" >&2; exit 1; }

source "$(dirname "$0")/busy-cores.sh"

declare -A passed failed
log=$(mktemp)
for run in $(seq "$runs"); do
    for test in $tests; do
        if ctest --test-dir "$build" -R "^$test\$" --output-on-failure >"$log" 2>&1; then
            passed[$test]=$((${passed[$test]:-0} + 1))
        else
            failed[$test]=$((${failed[$test]:-0} + 1))
            echo "run $run: $test failed:" >&2
            tail -n 20 "$log" >&2
        fi
    done
done
rm -f "$log"
status=0
for test in $tests; do
    echo "$test: ${passed[$test]:-0} passed, ${failed[$test]:-0} failed of $runs"
    [ "${failed[$test]:-0}" -eq 0 ] || status=1
done
exit $status
