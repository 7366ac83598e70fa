#!/usr/bin/env bash
# Fetch latency and throughput of `stormbell-cli fetch` against curl, both on the same local
# pyftpdlib server, and our peak memory on a large file. Prints figures; never fails on them.
# usage: fetch_bench.sh [STORMBELL_CLI]
set -euo pipefail
source "$(dirname "$0")/fetch_common.sh"
trap 'stop_pyftpd; rm -rf "$work"' EXIT
cli=${1:-$root_dir/build/tools/cli/stormbell-cli}

runs_small=20
runs_big=7
big_bytes=$((50 * 1024 * 1024))
head -c "$big_bytes" /dev/urandom >"$work/root/$dir/BIG.TXT"
start_pyftpd "$work/root"
url="ftp://127.0.0.1:$PYFTPD_PORT/$dir"

ours_small=$(median_us "$runs_small" "$cli" fetch --host 127.0.0.1 --port "$PYFTPD_PORT" KARB)
curl_small=$(median_us "$runs_small" curl -s "$url/KARB.TXT")
echo "fetch latency, median of $runs_small: stormbell-cli $((ours_small / 1000)).$(((ours_small % 1000) / 100)) ms," \
     "curl $((curl_small / 1000)).$(((curl_small % 1000) / 100)) ms"
awk -v o="$ours_small" -v c="$curl_small" \
    'BEGIN { printf "  latency ratio stormbell/curl: %.2f (goal <= 1.00)\n", o / c }'

# Both must deliver every byte before their time counts.
"$cli" fetch --host 127.0.0.1 --port "$PYFTPD_PORT" BIG | cmp -s - "$work/root/$dir/BIG.TXT" ||
    echo "  WARNING: stormbell-cli delivered different bytes"
ours_big=$(median_us "$runs_big" "$cli" fetch --host 127.0.0.1 --port "$PYFTPD_PORT" BIG)
curl_big=$(median_us "$runs_big" curl -s "$url/BIG.TXT")
awk -v o="$ours_big" -v c="$curl_big" -v b="$big_bytes" -v n="$runs_big" 'BEGIN {
    printf "throughput on %d MiB, median of %d: stormbell-cli %.0f MB/s, curl %.0f MB/s\n",
           b / 1048576, n, b / o, b / c
    printf "  throughput ratio stormbell/curl: %.2f (goal >= 0.90)\n", c / o }'

ours_kb=$(/usr/bin/time -f %M "$cli" fetch --host 127.0.0.1 --port "$PYFTPD_PORT" BIG 2>&1 >/dev/null | tail -1)
curl_kb=$(/usr/bin/time -f %M curl -s "$url/BIG.TXT" 2>&1 >/dev/null | tail -1)
awk -v o="$ours_kb" -v c="$curl_kb" -v b="$big_bytes" 'BEGIN {
    printf "peak memory (max RSS): stormbell-cli %.1f MiB, curl %.1f MiB, file %.1f MiB\n",
           o / 1024, c / 1024, b / 1048576
    printf "  stormbell peak / file size: %.2f (goal <= 1.50)\n", o * 1024 / b }'
