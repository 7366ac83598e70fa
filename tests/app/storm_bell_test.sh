#!/usr/bin/env bash
# The storm bell against a real notification daemon: dunst, on a private session bus and an Xvfb
# display of its own, must print the notification the window sends for a report with thunder.
# usage: storm_bell_test.sh app_tests
set -euo pipefail
if [ "${1:-}" != --on-private-bus ]; then
    for tool in dbus-run-session dbus-send dunst Xvfb xdpyinfo; do
        command -v "$tool" >/dev/null || { echo "$tool is missing (tools/setup.sh)" >&2; exit 1; }
    done
    exec dbus-run-session -- "$0" --on-private-bus "$@" 2> >(grep -v "Failed to set fd limit" >&2)
fi
work=$(mktemp -d)
trap 'kill $(cat "$work"/*.pid 2>/dev/null) 2>/dev/null || true; wait; rm -rf "$work"' EXIT
source "$(dirname "$0")/../support/own-display.sh"
start_x_server
dunst -print >"$work/notified" 2>"$work/dunst.log" &
echo $! >"$work/dunst.pid"
await bus_name_owned org.freedesktop.Notifications || { cat "$work/dunst.log" >&2; exit 1; }
STORMBELL_NOTIFICATION_OUTPUT="$work/notified" QT_QPA_PLATFORM=offscreen "$2" \
    --gtest_filter=StormAlertTest.ReachesTheDesktopsNotificationDaemon
grep -q "summary: 'Storm warning — KFNT'" "$work/notified"
