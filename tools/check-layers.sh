#!/usr/bin/env bash
# Fails when two of the product's folders include each other, directly or round a longer loop:
# each folder (with its qt/ part) may only build on folders below it.
set -euo pipefail
cd "$(dirname "$0")/.."
folders="app gauges history net observation platform printing settings"
edges=$(for from in $folders; do
    grep -rhoE '#include "[a-z]+/' "$from" --include='*.h' --include='*.cpp' |
        sed -E 's/#include "([a-z]+)\//\1/' | sort -u |
        while read -r to; do
            if [[ "$to" != "$from" && " $folders " == *" $to "* ]]; then echo "$from $to"; fi
        done
done)
if ! tsort <<<"$edges" >/dev/null 2>&1; then
    echo "folders include each other (including folder, included folder):" >&2
    echo "$edges" >&2
    exit 1
fi
