#!/usr/bin/env bash
# The gauge as a screen reader meets it: on a session bus, an AT-SPI bus and an X server of its
# own, its settings in a temporary XDG_CONFIG_HOME pointing at a local port where nothing
# listens; a11y_walk.py walks its accessible tree. Skipped (77) without the stack, except on CI.
# usage: a11y_test.sh STORMBELL
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export gauge=$1 here python=/usr/bin/python3 # the system's Python holds pyatspi
if ! command -v Xvfb dbus-run-session xdpyinfo >/dev/null ||
    [ ! -x /usr/libexec/at-spi-bus-launcher ] || ! "$python" -c 'import pyatspi' 2>/dev/null; then
    echo "needs xvfb, x11-utils, dbus, at-spi2-core and python3-pyatspi (tools/setup.sh)"
    [ "${CI:-}" = true ] && exit 1 || exit 77
fi

export work=$(mktemp -d)
trap 'kill $(cat "$work"/*.pid 2>/dev/null) 2>/dev/null; rm -rf "$work"' EXIT
port=$((20000 + RANDOM % 12767)) # within the proxy port's 0..32766
while (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; do port=$((port + 1)); done
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME/Brightmoor" -m 700 "$XDG_RUNTIME_DIR"
printf '[General]\nHost=127.0.0.1\nUseProxy=true\nFTPPortNum=%s\nRunOnStart=false\n' "$port" \
    >"$XDG_CONFIG_HOME/Brightmoor/Stormbell.conf"

session() {
    set -euo pipefail
    source "$here/../support/own-display.sh"
    start_x_server
    start_accessibility_bus
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
        "$gauge" >"$work/gauge.log" 2>&1 &
    echo $! >"$work/gauge.pid"
    "$python" "$here/a11y_walk.py" || { cat "$work/gauge.log"; return 1; }
}
export -f session
dbus-run-session -- bash -c session
