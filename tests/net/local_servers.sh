# Shell helpers (sourced) that run the local servers of the cli tests, the benchmarks and the
# demo on loopback:
#   start_pyftpd ROOT [pyftpdlib options]  Debian's pyftpdlib serving ROOT, on a port the system
#   start_pyftpd_on PORT ROOT [options]    picks or on PORT; both set PYFTPD_PID and PYFTPD_PORT
#   start_https_server ROOT CERTS          tests/net/https_server.py serving ROOT, with a
#                                          throwaway CA made in CERTS (make_test_ca.sh) and its
#                                          certificate for 127.0.0.1; sets HTTPS_PID, HTTPS_PORT
#                                          and HTTPS_CA (the CA bundle to trust)
#   stop_pyftpd, stop_https_server
# With SERVER_PID_FILE set, each server's process id is added to that file as soon as it starts.

local_servers_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# start_server NAME LOG PATTERN COMMAND...: runs COMMAND with its standard error in LOG until LOG
# names the port (PATTERN, a sed expression whose \1 is the port); sets NAME_PID and NAME_PORT.
start_server() {
    local name=$1 log=$2 pattern=$3 port
    shift 3
    "$@" >/dev/null 2>"$log" &
    [ -z "${SERVER_PID_FILE:-}" ] || echo $! >>"$SERVER_PID_FILE"
    printf -v "${name}_PID" %s $!
    for _ in $(seq 300); do
        # The server's shell may not have opened the log yet.
        port=$(sed -n "s/$pattern/\1/p" "$log" 2>/dev/null || true)
        [ -n "$port" ] && printf -v "${name}_PORT" %s "$port" && return 0
        # A server gives up at once when its port is taken.
        kill -0 $! 2>/dev/null || break
        sleep 0.05
    done
    # A server that did not start is no longer the demo's to end: its id may be reused.
    [ -z "${SERVER_PID_FILE:-}" ] || sed -i "/^$!\$/d" "$SERVER_PID_FILE"
    stop_server "$name"
    echo "$* did not start:" >&2
    cat "$log" >&2
    return 1
}

stop_server() { # NAME
    local pid_var="${1}_PID"
    [ -n "${!pid_var:-}" ] || return 0
    kill "${!pid_var}" 2>/dev/null || true
    wait "${!pid_var}" 2>/dev/null || true
    printf -v "$pid_var" %s ""
}

start_pyftpd() { start_pyftpd_on 0 "$@"; }
stop_pyftpd() { stop_server PYFTPD; }
stop_https_server() { stop_server HTTPS; }

start_pyftpd_on() {
    local port=$1 root=$2
    shift 2
    start_server PYFTPD "$root.pyftpd.log" '.*starting FTP server on 127\.0\.0\.1:\([0-9]*\).*' \
        /usr/bin/python3 -m pyftpdlib -i 127.0.0.1 -p "$port" -d "$root" "$@"
}

start_https_server() {
    local root=$1 certs=$2
    bash "$local_servers_dir/make_test_ca.sh" "$certs" || return 1
    HTTPS_CA="$certs/ca.pem"
    start_server HTTPS "$certs.https.log" '^serving HTTPS on 127\.0\.0\.1:\([0-9]*\)$' \
        /usr/bin/python3 "$local_servers_dir/https_server.py" "$root" "$certs/server.pem" \
        "$certs/server.key"
}
