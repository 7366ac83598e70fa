# Shell helpers (sourced) of the fetch benchmarks: the local servers, a work folder whose root
# holds the sample reports in $dir, and the median time of a command.
root_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root_dir/tests/net/local_servers.sh"

dir=data/observations/metar/decoded
work=$(mktemp -d)
mkdir -p "$work/root/$dir"
cp "$root_dir"/tests/data/reports/*.TXT "$work/root/$dir/"

# Microseconds taken by one run of the command, output to /dev/null.
elapsed_us() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
}

# Median (in microseconds) of N runs of the command.
median_us() {
    local n=$1
    shift
    for _ in $(seq "$n"); do elapsed_us "$@"; done | sort -n | awk '{a[NR]=$1} END {
        if (NR % 2) print a[(NR + 1) / 2]; else print int((a[NR / 2] + a[NR / 2 + 1]) / 2) }'
}
