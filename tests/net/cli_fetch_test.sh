#!/usr/bin/env bash
# stormbell-cli fetch against a local server, pyftpdlib (ftp) or the HTTPS server with a throwaway
# CA (https): every sample report byte for byte (over FTP passively and actively), --decode and a
# missing station; over FTP a missing directory and usage errors, over HTTPS a server it must not
# trust.
# usage: cli_fetch_test.sh ftp|https STORMBELL_CLI REPORTS_DIR
# shellcheck disable=SC2086 # $at, $way and $args are several words each
set -euo pipefail
scheme=$1
cli=$2
reports=$3
source "$(cd "$(dirname "$0")" && pwd)/local_servers.sh"

work=$(mktemp -d)
trap 'stop_pyftpd; stop_https_server; rm -rf "$work"' EXIT
dir=data/observations/metar/decoded
mkdir -p "$work/root/$dir"
cp "$reports"/*.TXT "$work/root/$dir/"
if [ "$scheme" = https ]; then
    start_https_server "$work/root" "$work/certs"
    export SSL_CERT_FILE=$HTTPS_CA
    at="--host https://127.0.0.1 --port $HTTPS_PORT"
    ways=("--host https://127.0.0.1:$HTTPS_PORT")
    missing="The server has no XXXX.TXT in the directory $dir on 127.0.0.1:$HTTPS_PORT"
else
    start_pyftpd "$work/root"
    at="--host 127.0.0.1 --port $PYFTPD_PORT"
    ways=("$at" "$at --dir $dir --active")
    missing="^stormbell-cli fetch: XXXX.TXT was not found in $dir on 127.0.0.1: \"550 "
fi

fail() { echo "FAIL ($scheme): $*" >&2; exit 1; }

for file in "$reports"/*.TXT; do
    station=$(basename "$file" .TXT)
    for way in "${ways[@]}"; do
        "$cli" fetch $way "$station" >"$work/out" || fail "fetch $way of $station"
        cmp -s "$file" "$work/out" || fail "fetch $way of $station differs"
    done
done

"$cli" fetch $at --decode KARB >"$work/out" || fail "fetch --decode"
grep -q '"OChill": 12, ' "$work/out" || fail "fetch --decode output: $(cat "$work/out")"

status=0
"$cli" fetch $at XXXX >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 1 ] || fail "missing station gave status $status"
grep -q "$missing" "$work/err" || fail "missing station message: $(cat "$work/err")"
[ ! -s "$work/out" ] || fail "missing station wrote to standard output"

if [ "$scheme" = https ]; then
    # Without the CA the certificate is not trusted, and nothing is written.
    status=0
    : >"$work/empty.pem"
    SSL_CERT_FILE=$work/empty.pem "$cli" fetch $at KARB >"$work/out" 2>"$work/err" || status=$?
    [ "$status" -eq 1 ] || fail "untrusted server gave status $status"
    [ ! -s "$work/out" ] || fail "untrusted server's report was written"
    # A CA bundle that is a FIFO fails at once instead of waiting for a writer.
    mkfifo "$work/ca.fifo"
    status=0
    SSL_CERT_FILE=$work/ca.fifo timeout 20 "$cli" fetch $at KARB 2>"$work/err" || status=$?
    [ "$status" -eq 1 ] || fail "a FIFO as the CA bundle gave status $status"
    grep -q "ca.fifo is not a regular file" "$work/err" || fail "FIFO message: $(cat "$work/err")"
else
    status=0
    "$cli" fetch $at --dir nowhere KARB 2>"$work/err" || status=$?
    [ "$status" -eq 1 ] || fail "missing directory gave status $status"

    for args in "" "--port 70000 KARB" "--port x KARB" "--bogus KARB" "KARB KBFI"; do
        status=0
        "$cli" fetch $args 2>/dev/null || status=$?
        [ "$status" -eq 2 ] || fail "usage error '$args' gave status $status"
    done
fi
echo "cli fetch over $scheme: all checks passed"
