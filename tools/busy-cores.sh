# Sourced by the repeat scripts: two busy loops hold both cores until the script ends, as a
# loaded machine would.
busy_loops=()
trap 'kill "${busy_loops[@]}" 2>/dev/null || true' EXIT
for _ in 1 2; do
    yes >/dev/null &
    busy_loops+=($!)
done
