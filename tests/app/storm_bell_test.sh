#!/usr/bin/env bash
# The storm bell against a real notification daemon: dunst, on a private session bus and an Xvfb
# display of its own, must print the notification the window sends for a report with thunder.
# usage: storm_bell_test.sh app_tests
set -euo pipefail
if [ "${1:-}" != --on-private-bus ]; then
    for tool in dbus-run-session dbus-send dunst Xvfb; do
        command -v "$tool" >/dev/null || { echo "$tool is missing (tools/setup.sh)" >&2; exit 1; }
    done
    exec dbus-run-session -- "$0" --on-private-bus "$@" 2> >(grep -v "Failed to set fd limit" >&2)
fi
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; wait; rm -rf "$work"' EXIT
await() { # up to 10 s
    for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
    return 1
}
daemon_listens() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications | grep -q true
}
# Xvfb picks a free display and writes its number to descriptor 3.
Xvfb -displayfd 3 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
await test -s "$work/display" || { cat "$work/xvfb.log" >&2; exit 1; }
DISPLAY=":$(head -n1 "$work/display")" dunst -print >"$work/notified" 2>"$work/dunst.log" &
pids+=($!)
await daemon_listens || { cat "$work/dunst.log" >&2; exit 1; }
STORMBELL_NOTIFICATION_OUTPUT="$work/notified" QT_QPA_PLATFORM=offscreen "$2" \
    --gtest_filter=StormAlertTest.ReachesTheDesktopsNotificationDaemon
grep -q "summary: 'Storm warning — KFNT'" "$work/notified"
