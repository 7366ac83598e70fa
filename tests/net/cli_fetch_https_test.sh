#!/usr/bin/env bash
# stormbell-cli fetch --host https://… against a local HTTPS server with a throwaway CA: every
# sample report byte for byte, --decode, a missing station, and a server it must not trust.
# usage: cli_fetch_https_test.sh STORMBELL_CLI REPORTS_DIR
set -euo pipefail
cli=$1
reports=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/https_server.sh"

work=$(mktemp -d)
trap 'stop_https_server; rm -rf "$work"' EXIT
dir=data/observations/metar/decoded
mkdir -p "$work/root/$dir"
cp "$reports"/*.TXT "$work/root/$dir/"
start_https_server "$work/root" "$work/certs"
host="https://127.0.0.1:$HTTPS_PORT"

fail() { echo "FAIL: $*" >&2; exit 1; }

for file in "$reports"/*.TXT; do
    station=$(basename "$file" .TXT)
    SSL_CERT_FILE=$HTTPS_CA "$cli" fetch --host "$host" "$station" >"$work/out" ||
        fail "fetch of $station"
    cmp -s "$file" "$work/out" || fail "fetch of $station differs"
done

SSL_CERT_FILE=$HTTPS_CA "$cli" fetch --host https://127.0.0.1 --port "$HTTPS_PORT" --decode KARB \
    >"$work/out" || fail "fetch --port --decode"
grep -q '"OChill": 12, ' "$work/out" || fail "fetch --decode output: $(cat "$work/out")"

status=0
SSL_CERT_FILE=$HTTPS_CA "$cli" fetch --host "$host" XXXX >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 1 ] || fail "missing station gave status $status"
grep -q "The server has no XXXX.TXT in the directory $dir on 127.0.0.1:$HTTPS_PORT" "$work/err" ||
    fail "missing station message: $(cat "$work/err")"

# Without the CA the certificate is not trusted, and nothing is written.
status=0
SSL_CERT_FILE=/dev/null "$cli" fetch --host "$host" KARB >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 1 ] || fail "untrusted server gave status $status"
[ ! -s "$work/out" ] || fail "untrusted server's report was written"
echo "cli fetch over HTTPS: all checks passed"
