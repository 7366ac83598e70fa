# Shell helpers (sourced) that run Debian's pyftpdlib on loopback for the cli test and the
# benchmarks: start_pyftpd ROOT [extra options] sets PYFTPD_PID and PYFTPD_PORT; stop_pyftpd.

start_pyftpd() {
    local root=$1
    shift
    local log="$root.pyftpd.log"
    /usr/bin/python3 -m pyftpdlib -i 127.0.0.1 -p 0 -d "$root" "$@" >/dev/null 2>"$log" &
    PYFTPD_PID=$!
    PYFTPD_PORT=
    for _ in $(seq 300); do
        PYFTPD_PORT=$(sed -n 's/.*starting FTP server on 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$log")
        [ -n "$PYFTPD_PORT" ] && return 0
        sleep 0.05
    done
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
