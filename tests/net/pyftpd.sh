# Shell helpers (sourced) that run Debian's pyftpdlib on loopback for the cli test, the benchmarks
# and the demo: start_pyftpd ROOT [extra options] on a port the system picks, start_pyftpd_on
# PORT ROOT [extra options] on PORT; both set PYFTPD_PID and PYFTPD_PORT. stop_pyftpd.

start_pyftpd() {
    start_pyftpd_on 0 "$@"
}

start_pyftpd_on() {
    local port=$1 root=$2
    shift 2
    local log="$root.pyftpd.log"
    /usr/bin/python3 -m pyftpdlib -i 127.0.0.1 -p "$port" -d "$root" "$@" >/dev/null 2>"$log" &
    PYFTPD_PID=$!
    PYFTPD_PORT=
    for _ in $(seq 300); do
        PYFTPD_PORT=$(sed -n 's/.*starting FTP server on 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$log")
        [ -n "$PYFTPD_PORT" ] && return 0
        # It gives up at once when the port is taken.
        kill -0 "$PYFTPD_PID" 2>/dev/null || break
        sleep 0.05
    done
    stop_pyftpd
    echo "pyftpdlib did not start:" >&2
    cat "$log" >&2
    return 1
}

stop_pyftpd() {
    if [ -n "${PYFTPD_PID:-}" ]; then
        kill "$PYFTPD_PID" 2>/dev/null || true
        wait "$PYFTPD_PID" 2>/dev/null || true
        PYFTPD_PID=
    fi
}
