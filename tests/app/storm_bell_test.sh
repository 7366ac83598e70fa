#!/usr/bin/env bash
# The storm bell against a real notification daemon: dunst, on a private session bus and an Xvfb
# display of its own, must print the notification the gauge window sends for a report with
# thunder. Needs no display of the caller's. usage: storm_bell_test.sh app_tests
set -euo pipefail
if [ "${1:-}" != --on-private-bus ]; then
    for tool in dbus-run-session dbus-send dunst Xvfb; do
        if ! command -v "$tool" >/dev/null; then
            echo "storm_bell_test: $tool is missing (tools/setup.sh installs it)" >&2
            exit 1
        fi
    done
    exec dbus-run-session -- "$0" --on-private-bus "$@" 2> >(grep -v "Failed to set fd limit" >&2)
fi
app_tests=$2

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Waits up to 10 s for the command to succeed.
await() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
has_display() { [ -s "$work/display" ]; }
daemon_listens() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications 2>/dev/null |
        grep -q "boolean true"
}

# Xvfb picks a free display number and writes it to descriptor 3.
Xvfb -displayfd 3 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
await has_display || { echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
DISPLAY=":$(head -n1 "$work/display")" dunst -print >"$work/notifications" 2>"$work/dunst.log" &
pids+=($!)
await daemon_listens || { echo "dunst did not start: $(cat "$work/dunst.log")" >&2; exit 1; }

STORMBELL_NOTIFICATION_OUTPUT="$work/notifications" QT_QPA_PLATFORM=offscreen "$app_tests" \
    --gtest_filter=StormAlertTest.ReachesTheDesktopsNotificationDaemon
grep -q "Storm warning — KFNT" "$work/notifications"
echo "dunst received:"
cat "$work/notifications"
