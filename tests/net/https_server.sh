# Shell helpers (sourced) that run the local HTTPS server of tests/net/https_server.py for the
# cli test, the benchmark and the demo. start_https_server ROOT CERTS makes a throwaway CA in
# CERTS (make_test_ca.sh), serves ROOT with its certificate for 127.0.0.1 on a port the system
# picks, and sets HTTPS_PID, HTTPS_PORT and HTTPS_CA (the CA bundle to trust). stop_https_server.

https_helpers_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

start_https_server() {
    local root=$1 certs=$2
    local log="$certs.https.log"
    bash "$https_helpers_dir/make_test_ca.sh" "$certs" || return 1
    HTTPS_CA="$certs/ca.pem"
    : >"$log"
    /usr/bin/python3 "$https_helpers_dir/https_server.py" "$root" "$certs/server.pem" \
        "$certs/server.key" >/dev/null 2>"$log" &
    HTTPS_PID=$!
    HTTPS_PORT=
    for _ in $(seq 300); do
        HTTPS_PORT=$(sed -n 's/^serving HTTPS on 127\.0\.0\.1:\([0-9]*\)$/\1/p' "$log")
        [ -n "$HTTPS_PORT" ] && return 0
        kill -0 "$HTTPS_PID" 2>/dev/null || break
        sleep 0.05
    done
    stop_https_server
    echo "the HTTPS server did not start:" >&2
    cat "$log" >&2
    return 1
}

stop_https_server() {
    if [ -n "${HTTPS_PID:-}" ]; then
        kill "$HTTPS_PID" 2>/dev/null || true
        wait "$HTTPS_PID" 2>/dev/null || true
        HTTPS_PID=
    fi
}
