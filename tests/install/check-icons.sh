#!/usr/bin/env bash
# Paints the icon again and compares it with the committed PNGs, so the art and its output
# cannot drift apart. usage: check-icons.sh STORMBELL_ICON COMMITTED_DIR SIZE...
set -euo pipefail
painter=$1 committed=$2
shift 2
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
"$painter" "$fresh" "$@" 2>/dev/null
status=0
for size in "$@"; do
    cmp -s "$fresh/stormbell-$size.png" "$committed/stormbell-$size.png" ||
        { echo "stormbell-$size.png differs: build the target stormbell_icons"; status=1; }
done
exit "$status"
