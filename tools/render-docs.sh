#!/usr/bin/env bash
# Renders the README's pictures of both faces at 1x and 2x with stormbell-render.
set -euo pipefail
cd "$(dirname "$0")/.."
render=${1:-build/tools/render/stormbell-render}

english=(--temp 88 --target-temp 88 --heat-index 97 --humidity 45 --pressure 30.12
         --press-set 97 --direction 230 --speed 14 --gust 25 --station-line "KFNT 15:53")
metric=(--metric --temp 28 --target-temp 28 --chill 18 --humidity 80 --pressure 29.62
        --direction 310 --speed 22 --station-line "EGLC update failed" --dimmed)
for scale in 1 2; do
    "$render" --out "docs/face-english-$scale.png" --scale "$scale" "${english[@]}"
    "$render" --out "docs/face-metric-$scale.png" --scale "$scale" "${metric[@]}"
done
