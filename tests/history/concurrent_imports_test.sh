#!/bin/sh
# Three stormbell-cli processes importing into one history at once: every reading arrives, and
# the cli's count agrees with SQLite's own.
set -eu
cli=$1
report=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/data"
for station in KAAA KBBB KCCC; do
    i=0
    while [ $i -lt 300 ]; do
        time=$(printf '%02d%02d' $((i / 60)) $((i % 60)))
        sed -e "s/2023.08.25 0353 UTC/2023.08.25 $time UTC/" -e "s/(KBFI)/($station)/" "$report"
        printf '\r\n'
        i=$((i + 1))
    done >"$work/$station.LOG"
done
pids=""
for station in KAAA KBBB KCCC; do
    "$cli" history import "$work/$station.LOG" >/dev/null &
    pids="$pids $!"
done
for pid in $pids; do wait "$pid"; done
rows=$("$cli" history --format json | wc -l)
stored=$(sqlite3 "$XDG_DATA_HOME/Brightmoor/Stormbell/history.sqlite3" 'select count(*) from readings')
echo "cli: $rows, sqlite3: $stored"
[ "$rows" -eq 900 ] && [ "$stored" -eq 900 ]
