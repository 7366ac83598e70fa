# Starts the X server and waits for the buses a test runs its own of, so that no test races its
# server or another test's. Sourced by the tests that start them; each function leaves the pid
# of what it started in "$work/NAME.pid" for the test's exit trap to end.
# needs: $work, a folder of the test's own.

# Runs the command until it succeeds, for up to 10 s.
await() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# An Xvfb of this test's own, answering a client, as DISPLAY. A server that dies at its start,
# or does not answer, is ended and a fresh one started on another display. The display is named
# rather than searched for with -displayfd, which takes no lock file, so that a server started
# at the same moment on the same number fails instead of sharing it; the numbers are drawn far
# from :0, where -displayfd searches begin.
start_x_server() {
    local display pid attempt
    for attempt in 1 2 3 4 5; do
        display=$((100 + RANDOM % 900))
        [ -e "/tmp/.X$display-lock" ] && continue
        Xvfb ":$display" -screen 0 800x600x24 -nolisten tcp 2>"$work/xvfb.log" &
        pid=$!
        echo "$pid" >"$work/xvfb.pid"
        if x_server_starts "$pid" "$display"; then
            export DISPLAY=":$display"
            return 0
        fi
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        echo "the X server on :$display did not answer (attempt $attempt)" >&2
    done
    cat "$work/xvfb.log" >&2
    return 1
}

# Within 10 s, unless it dies first: the server holds the display's lock and serves a client.
x_server_starts() {
    local pid=$1 display=$2
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || return 1
        [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$display-lock")" = "$pid" ] &&
            xdpyinfo -display ":$display" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# True once `name` has an owner on the session bus.
bus_name_owned() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q true
}

# The accessibility bus, its launcher answering on the session bus.
start_accessibility_bus() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    echo $! >"$work/bus.pid"
    await bus_name_owned org.a11y.Bus &&
        await dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress >/dev/null 2>&1 ||
        { echo "the accessibility bus did not start" >&2; return 1; }
}
