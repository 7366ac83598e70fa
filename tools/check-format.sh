#!/usr/bin/env bash
# Fails when any C++ source of the project differs from what .clang-format asks for.
set -euo pipefail
cd "$(dirname "$0")/.."
find app bench gauges history net observation platform printing settings tests tools \
     -name '*.cpp' -o -name '*.h' | xargs -r clang-format --dry-run --Werror
