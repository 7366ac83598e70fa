#!/usr/bin/env bash
# The offline demo on the offscreen platform: it reaches "Completed"; and whether the demo stops
# the gauge, the gauge is killed or the demo is stopped or killed, no server or gauge stays
# behind, no temporary folder either, and the user's settings stay as they were. A folder an
# earlier demo left goes at the next start.
# usage: demo_test.sh STORMBELL STORMBELL_CLI
set -euo pipefail
export STORMBELL_BIN=$1 STORMBELL_CLI=$2
here=$(cd "$(dirname "$0")" && pwd)
demo="$here/../../tools/demo.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" TMPDIR="$work/tmp"
export QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_CONFIG_HOME/Brightmoor" "$TMPDIR"
printf '[General]\nHost=example.invalid\nRunOnStart=false\n' \
    >"$XDG_CONFIG_HOME/Brightmoor/Stormbell.conf"
user_files() { (cd "$HOME" && find . -type f -exec sha256sum {} + | sort); }
before=$(user_files)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Waits up to 30 s for the command to succeed.
await() {
    for _ in $(seq 300); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

server_pid() { sed -n 's/.*(server pid \([0-9]*\)).*/\1/p' "$work/out"; }
port() { sed -n 's|.*://127\.0\.0\.1:\([0-9]*\)/.*|\1|p' "$work/out"; }
listening() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
alive() { kill -0 "$1" 2>/dev/null; }

# After each way of ending: nothing of the demo left running or on disk, the user's files as they were.
expect_all_gone() {
    local what=$1 pid
    pid=$(server_pid)
    [ -n "$pid" ] || fail "$what: no server announced: $(cat "$work/out")"
    if alive "$pid"; then
        kill "$pid"
        fail "$what: the server $pid still ran"
    fi
    ! listening "$(port)" || fail "$what: port $(port) still answers"
    ! compgen -G "$TMPDIR/stormbell-demo-*" >/dev/null || fail "$what: left $(ls "$TMPDIR")"
    [ "$(user_files)" = "$before" ] || fail "$what: the user's files changed"
}

# A folder whose demo is gone, as a kill of the demo and its watchdog together leaves it.
true &
dead=$!
wait "$dead"
mkdir -p "$TMPDIR/stormbell-demo-left"
echo "$dead" >"$TMPDIR/stormbell-demo-left/demo.pid"

# The demo stops the gauge itself once the title reads "Completed".
timeout 60 "$demo" --check >"$work/out" || fail "--check: $(cat "$work/out")"
grep -q 'reached "Completed"' "$work/out" || fail "--check said: $(cat "$work/out")"
expect_all_gone "--check"

# The same over HTTPS, the gauge trusting only the demo's throwaway CA.
timeout 60 "$demo" --https --check >"$work/out" || fail "--https --check: $(cat "$work/out")"
grep -q 'reached "Completed"' "$work/out" || fail "--https --check said: $(cat "$work/out")"
expect_all_gone "--https --check"

# The gauge is killed, or the demo is stopped, while both run.
# The gauge under the demo under timeout.
gauge_of() { pgrep -x stormbell -P "$(pgrep -P "$1" | head -n1)"; }
gone() { ! alive "$1"; }
no_folder() { ! compgen -G "$TMPDIR/stormbell-demo-*" >/dev/null; }
for stop in gauge demo demo-kill; do
    timeout 60 "$demo" >"$work/out" 2>/dev/null &
    timeout_pid=$!
    await gauge_of "$timeout_pid" >/dev/null || fail "$stop: the gauge did not start"
    await listening "$(port)" || fail "$stop: the server did not start"
    gauge=$(gauge_of "$timeout_pid")
    case $stop in
    gauge) kill -KILL "$gauge" ;;
    demo) kill -TERM "$timeout_pid" ;; # passed on to the demo
    demo-kill) kill -KILL "$(pgrep -P "$timeout_pid" | head -n1)" ;; # no trap runs
    esac
    wait "$timeout_pid" || true
    # Without its trap the demo's watchdog does the ending, a moment later.
    await gone "$gauge" && await gone "$(server_pid)" && await no_folder ||
        fail "$stop: something outlived the demo"
    if alive "$gauge"; then
        kill "$gauge"
        fail "$stop: the gauge $gauge still ran"
    fi
    expect_all_gone "$stop stopped"
done
# The demo killed the moment its server starts, before the server even listens.
pyftpd_of_demo() { pgrep -f "pyftpdlib .*$TMPDIR/stormbell-demo-"; }
timeout 60 "$demo" >"$work/out" 2>/dev/null &
timeout_pid=$!
await pyftpd_of_demo >/dev/null || fail "killed at once: the server did not start"
kill -KILL "$(pgrep -P "$timeout_pid" | head -n1)"
wait "$timeout_pid" || true
no_pyftpd() { ! pyftpd_of_demo >/dev/null; }
if ! await no_pyftpd; then
    kill $(pyftpd_of_demo) 2>/dev/null || true
    fail "killed at once: the server outlived the demo"
fi
await no_folder || fail "killed at once: the folder stayed"
echo "demo: all checks passed"
