#!/bin/sh
# Every command and option of each program's usage text is in its man page, so the two cannot
# drift apart; the gauge prints its usage without a display.
# usage: check-man-pages.sh PACKAGING_SOURCE_DIR STORMBELL_CLI STORMBELL_RENDER [STORMBELL]
set -u
pages=$1 cli=$2 render=$3 gauge=${4:-}
status=0

# check PROGRAM USAGE: the page PROGRAM.1.in names every --option and "PROGRAM command".
check() {
    page=$pages/$1.1.in
    text=$(sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' -e 's/^\.[A-Z]* //' "$page")
    for option in $(printf '%s\n' "$2" | grep -o -- '--[a-z][a-z-]*' | sort -u); do
        if ! printf '%s\n' "$text" | grep -q -- "$option"; then
            echo "$page lacks $option"
            status=1
        fi
    done
    for command in $(printf '%s\n' "$2" | sed -n "s/^.*$1 \([a-z][a-z]*\).*/\1/p" | sort -u); do
        if ! printf '%s\n' "$text" | grep -q -- "$1 $command"; then
            echo "$page lacks the command $command"
            status=1
        fi
    done
}

check stormbell-cli "$("$cli" 2>&1)"
check stormbell-render "$("$render" --help)"
if [ -n "$gauge" ]; then
    if ! usage=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$gauge" --help); then
        echo "stormbell --help failed without a display"
        status=1
    fi
    check stormbell "$usage"
fi
exit $status
