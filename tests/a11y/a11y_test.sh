#!/usr/bin/env bash
# The gauge as a screen reader meets it, through the real accessibility stack: a session bus of
# its own, the AT-SPI bus and registry, an X server of its own and the gauge on it, its settings
# in a temporary XDG_CONFIG_HOME pointing at a local port where nothing listens. a11y_walk.py
# then walks the accessible tree. Skipped (77) when the stack is not installed, except on CI.
# usage: a11y_test.sh STORMBELL
set -euo pipefail
gauge=$1
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3 # the system's, which holds pyatspi

missing=()
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
"$python" -c 'import pyatspi' 2>/dev/null || missing+=(python3-pyatspi)
if [ ${#missing[@]} -gt 0 ]; then
    echo "needs ${missing[*]} (Debian: xvfb dbus at-spi2-core python3-pyatspi; tools/setup.sh)"
    [ "${CI:-}" = true ] && exit 1
    exit 77
fi

work=$(mktemp -d)
cleanup() {
    for pid in $(cat "$work"/*.pid 2>/dev/null); do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# A port the proxy port field can hold (0..32766) that nothing listens on.
port=
for _ in $(seq 100); do
    candidate=$((20000 + RANDOM % 12767))
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$candidate") 2>/dev/null; then
        port=$candidate
        break
    fi
done
[ -n "$port" ] || { echo "no free local port"; exit 1; }
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME/Brightmoor" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[General]\nHost=127.0.0.1\nUseProxy=true\nFTPPortNum=%s\nRunOnStart=false\n' "$port" \
    >"$XDG_CONFIG_HOME/Brightmoor/Stormbell.conf"

# Inside the session: the X server on a free display, the AT-SPI bus, the gauge, the walk.
session() {
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
    echo $! >"$work/xvfb.pid"
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(head -n1 "$work/display")"
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    echo $! >"$work/bus.pid"
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
        "$gauge" >"$work/gauge.log" 2>&1 &
    echo $! >"$work/gauge.pid"
    "$python" "$here/a11y_walk.py" || { cat "$work/gauge.log"; return 1; }
}
export -f session
export work gauge here python
dbus-run-session -- bash -c session
