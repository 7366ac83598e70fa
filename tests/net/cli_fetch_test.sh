#!/usr/bin/env bash
# stormbell-cli fetch against pyftpdlib on loopback: every sample report passively and actively,
# --decode, a missing station and usage errors.
# usage: cli_fetch_test.sh STORMBELL_CLI REPORTS_DIR
set -euo pipefail
cli=$1
reports=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/pyftpd.sh"

work=$(mktemp -d)
trap 'stop_pyftpd; rm -rf "$work"' EXIT
dir=data/observations/metar/decoded
mkdir -p "$work/root/$dir"
cp "$reports"/*.TXT "$work/root/$dir/"
start_pyftpd "$work/root"

fail() { echo "FAIL: $*" >&2; exit 1; }

for file in "$reports"/*.TXT; do
    station=$(basename "$file" .TXT)
    "$cli" fetch --host 127.0.0.1 --port "$PYFTPD_PORT" "$station" >"$work/out" ||
        fail "passive fetch of $station"
    cmp -s "$file" "$work/out" || fail "passive fetch of $station differs"
    "$cli" fetch --host 127.0.0.1 --port "$PYFTPD_PORT" --dir "$dir" --active "$station" \
        >"$work/out" || fail "active fetch of $station"
    cmp -s "$file" "$work/out" || fail "active fetch of $station differs"
done

"$cli" fetch --host 127.0.0.1 --port "$PYFTPD_PORT" --decode KARB >"$work/out" ||
    fail "fetch --decode"
grep -q '"OChill": 12, ' "$work/out" || fail "fetch --decode output: $(cat "$work/out")"

status=0
"$cli" fetch --host 127.0.0.1 --port "$PYFTPD_PORT" XXXX >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 1 ] || fail "missing station gave status $status"
grep -q "^stormbell-cli fetch: XXXX.TXT was not found in $dir on 127.0.0.1: \"550 " "$work/err" ||
    fail "missing station message: $(cat "$work/err")"
[ ! -s "$work/out" ] || fail "missing station wrote to standard output"

status=0
"$cli" fetch --host 127.0.0.1 --port "$PYFTPD_PORT" --dir nowhere KARB 2>"$work/err" || status=$?
[ "$status" -eq 1 ] || fail "missing directory gave status $status"

for args in "" "--port 70000 KARB" "--port x KARB" "--bogus KARB" "KARB KBFI"; do
    status=0
    # shellcheck disable=SC2086
    "$cli" fetch $args 2>/dev/null || status=$?
    [ "$status" -eq 2 ] || fail "usage error '$args' gave status $status"
done
echo "cli fetch: all checks passed"
