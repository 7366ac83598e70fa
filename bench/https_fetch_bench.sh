#!/usr/bin/env bash
# The report over HTTPS: `stormbell-cli fetch` against the curl command on the same local HTTPS
# server (throwaway CA), median of 20 each, as a ratio; and the gauge's peak memory after a fetch
# over HTTPS, beside the same over FTP. Prints figures; never fails on them.
# usage: https_fetch_bench.sh [STORMBELL_CLI [STORMBELL]]
set -euo pipefail
source "$(dirname "$0")/fetch_common.sh"
gauge_pid=
cleanup() {
    [ -z "$gauge_pid" ] || kill "$gauge_pid" 2>/dev/null || true
    stop_https_server
    stop_pyftpd
    rm -rf "$work"
}
trap cleanup EXIT
cli=${1:-$root_dir/build/tools/cli/stormbell-cli}
gauge=$(realpath -m "${2:-$root_dir/build/app/stormbell}")

runs=20
start_https_server "$work/root" "$work/certs"
host="https://127.0.0.1:$HTTPS_PORT"

SSL_CERT_FILE=$HTTPS_CA "$cli" fetch --host "$host" KARB | cmp -s - "$work/root/$dir/KARB.TXT" ||
    echo "  WARNING: stormbell-cli delivered different bytes"
export SSL_CERT_FILE=$HTTPS_CA
ours=$(median_us "$runs" "$cli" fetch --host "$host" KARB)
theirs=$(median_us "$runs" curl -s --cacert "$HTTPS_CA" "$host/$dir/KARB.TXT")
unset SSL_CERT_FILE
awk -v o="$ours" -v c="$theirs" -v n="$runs" 'BEGIN {
    printf "HTTPS fetch of one report, median of %d: stormbell-cli %.1f ms, curl %.1f ms\n",
           n, o / 1000, c / 1000
    printf "  latency ratio stormbell/curl: %.2f\n", o / c }'

# The gauge on settings of its own, fetching at start; its peak once the sweep has ended.
gauge_peak_kib() { # SETTING... (lines of the settings file that name the server)
    local config="$work/config-$RANDOM"
    mkdir -p "$config/Brightmoor"
    printf '%s\n' "[General]" "$@" "OCityStr=KBFI.TXT" "RunOnStart=true" \
        >"$config/Brightmoor/Stormbell.conf"
    (cd "$work" && XDG_CONFIG_HOME=$config XDG_DATA_HOME=$config-data SSL_CERT_FILE=$HTTPS_CA QT_QPA_PLATFORM=offscreen \
        QT_LOGGING_RULES="stormbell.status.debug=true" QT_MESSAGE_PATTERN="%{message}" \
        exec "$gauge" 2>"$config.err") &
    gauge_pid=$!
    for _ in $(seq 600); do
        grep -qsx "status Completed" "$config.err" && break
        sleep 0.1
    done
    grep -qsx "status Completed" "$config.err" || echo "  WARNING: no \"Completed\" from the gauge" >&2
    sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\).*/\1/p' "/proc/$gauge_pid/status"
    kill "$gauge_pid"
    wait "$gauge_pid" 2>/dev/null || true
    gauge_pid=
}

[ -x "$gauge" ] || { echo "no gauge at $gauge: memory not measured"; exit 0; }
https_kib=$(gauge_peak_kib "Host=$host")
start_pyftpd_on $((20000 + RANDOM % 12767)) "$work/root"
ftp_kib=$(gauge_peak_kib "Host=127.0.0.1" "UseProxy=true" "FTPPortNum=$PYFTPD_PORT")
awk -v h="$https_kib" -v f="$ftp_kib" 'BEGIN {
    printf "gauge peak memory (VmHWM) after one fetch: over HTTPS %.1f MiB, over FTP %.1f MiB\n",
           h / 1024, f / 1024 }'
