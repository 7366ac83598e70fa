#!/usr/bin/env bash
# The gauge without internet: a local FTP server serves the sample reports and the gauge, on a
# settings file of its own that points at it, fetches one at start. The user's settings are never
# read or written; the server stops when the gauge ends, however it ends, and gauge, server and
# folder go when the demo itself is killed. A folder that outlived its demo all the same is
# removed at the next start.
#
# usage: tools/demo.sh [--https] [--check]
#   --https  serves them over HTTPS instead, with a throwaway CA made now; the gauge trusts that
#            CA only (SSL_CERT_FILE)
#   --check  stops the gauge once its title reads "Completed" and succeeds; fails when that does
#            not happen within 30 seconds (run it with QT_QPA_PLATFORM=offscreen without a display)
# STORMBELL_BIN and STORMBELL_CLI name the built gauge and stormbell-cli (default: under build/).
set -euo pipefail
root_dir=$(cd "$(dirname "$0")/.." && pwd)
source "$root_dir/tests/net/local_servers.sh"

readonly station=KBFI # Seattle's Boeing Field: the longest sweep of the samples
readonly served=data/observations/metar/decoded
readonly check_seconds=30
gauge=$(realpath -m "${STORMBELL_BIN:-$root_dir/build/app/stormbell}")
cli=$(realpath -m "${STORMBELL_CLI:-$root_dir/build/tools/cli/stormbell-cli}")
for program in "$gauge" "$cli"; do
    [ -x "$program" ] || {
        echo "demo: $program is not built (tools/run.sh --demo builds both)" >&2
        exit 1
    }
done

check=false
https=false
for arg in "$@"; do
    case "$arg" in
    --check) check=true ;;
    --https) https=true ;;
    *)
        echo "usage: tools/demo.sh [--https] [--check]" >&2
        exit 2
        ;;
    esac
done

# Folders of demos that are gone: each names its demo's process in demo.pid.
for stale in "${TMPDIR:-/tmp}"/stormbell-demo-*; do
    [ -d "$stale" ] || continue
    owner=$(cat "$stale/demo.pid" 2>/dev/null || true)
    if [ -z "$owner" ] || ! kill -0 "$owner" 2>/dev/null; then
        rm -rf "$stale"
    fi
done

gauge_pid=
watchdog_pid=
work=$(mktemp -d "${TMPDIR:-/tmp}/stormbell-demo-XXXXXX")
echo $$ >"$work/demo.pid"
cleanup() {
    if [ -n "$watchdog_pid" ]; then
        kill "$watchdog_pid" 2>/dev/null || true
        wait "$watchdog_pid" 2>/dev/null || true
    fi
    if [ -n "$gauge_pid" ]; then
        kill "$gauge_pid" 2>/dev/null || true
        wait "$gauge_pid" 2>/dev/null || true
    fi
    stop_pyftpd
    stop_https_server
    rm -rf "$work"
}
# Bash would clean up on these signals by itself, but end with status 0 on an interrupt; and a
# second signal (a second Ctrl+C, or one sent to the whole group) must not cut the cleanup short.
on_signal() {
    trap '' HUP INT TERM
    exit "$1"
}
trap cleanup EXIT
trap 'on_signal 129' HUP
trap 'on_signal 130' INT
trap 'on_signal 143' TERM

# A kill -9 of this script runs no trap: a watchdog of its own then ends what it started. It runs
# before anything is started, so that nothing started can outlive a demo killed at once; each
# server and the gauge leave their process ids in the folder the moment they start.
SERVER_PID_FILE="$work/server.pid"
watch_over_demo() {
    trap '' HUP INT
    while kill -0 $$ 2>/dev/null; do
        sleep 0.1
    done
    local started
    started=$(cat "$SERVER_PID_FILE" "$work/gauge.pid" 2>/dev/null || true)
    [ -z "$started" ] || kill $started 2>/dev/null || true
    for _ in $(seq 50); do
        [ -n "$started" ] && kill -0 $started 2>/dev/null || break
        sleep 0.1
    done
    rm -rf "$work"
}
watch_over_demo </dev/null >/dev/null 2>&1 &
watchdog_pid=$!

row=$("$cli" stations | grep $'\t'"$station"'$' | cut -f1)
[ -n "$row" ] || {
    echo "demo: $station is not in the station directory" >&2
    exit 1
}

mkdir -p "$work/root/$served"
cp "$root_dir"/tests/data/reports/*.TXT "$work/root/$served/"
mkdir -p "$work/config/Brightmoor"
# The demo's readings go to a history of its own, never into the user's.
gauge_env=(XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data")
if $https; then
    start_https_server "$work/root" "$work/certs"
    echo "demo: serving the sample reports at https://127.0.0.1:$HTTPS_PORT/$served" \
        "(server pid $HTTPS_PID)"
    gauge_env+=(SSL_CERT_FILE="$HTTPS_CA")
    server_settings="Host=https://127.0.0.1:$HTTPS_PORT"
else
    # The gauge's proxy port field holds 0..32766, and the system's own choice of a free port lies
    # above that: try random ports below it until one is free.
    started=false
    for _ in $(seq 20); do
        if start_pyftpd_on $((20000 + RANDOM % 12767)) "$work/root" 2>"$work/pyftpd.err"; then
            started=true
            break
        fi
    done
    $started || {
        cat "$work/pyftpd.err" >&2
        exit 1
    }
    echo "demo: serving the sample reports at ftp://127.0.0.1:$PYFTPD_PORT/$served" \
        "(server pid $PYFTPD_PID)"
    server_settings="Host=127.0.0.1
UseProxy=true
FTPPortNum=$PYFTPD_PORT"
fi
# Qt's INI file under [General]; no value here holds a comma, which Qt would read as a list.
cat >"$work/config/Brightmoor/Stormbell.conf" <<EOF
[General]
$server_settings
LIndex=$row
OCityStr=$station.TXT
RunOnStart=true
EOF

# From the demo's own folder, so a log the user turns on goes with the demo.
cd "$work"
if ! $check; then
    env "${gauge_env[@]}" "$gauge" &
    gauge_pid=$!
    echo "$gauge_pid" >"$work/gauge.pid"
    status=0
    wait "$gauge_pid" || status=$?
    gauge_pid=
    exit "$status"
fi

env "${gauge_env[@]}" QT_LOGGING_RULES="stormbell.status.debug=true" \
    QT_MESSAGE_PATTERN="%{message}" "$gauge" 2>"$work/gauge.err" &
gauge_pid=$!
echo "$gauge_pid" >"$work/gauge.pid"
for _ in $(seq $((check_seconds * 10))); do
    # -s: the gauge may not have opened its output yet.
    if grep -qsx "status Completed" "$work/gauge.err"; then
        # Still running after the sweep: stopping it is the first thing that ends it.
        kill -TERM "$gauge_pid"
        status=0
        wait "$gauge_pid" || status=$?
        gauge_pid=
        [ "$status" -eq 143 ] || {
            echo "demo: the gauge ended with status $status before it was stopped" >&2
            exit 1
        }
        echo "demo: the gauge reached \"Completed\" and was stopped"
        exit 0
    fi
    kill -0 "$gauge_pid" 2>/dev/null || break
    sleep 0.1
done
echo "demo: the gauge did not reach \"Completed\"; it wrote:" >&2
cat "$work/gauge.err" >&2
exit 1
