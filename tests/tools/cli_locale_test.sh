#!/usr/bin/env bash
# The cli writes for programs: its output, its messages and the log it keeps are the same bytes
# under a German desktop's locale as under C.
#   cli_locale_test.sh CLI REPORTS_DIR
set -euo pipefail
cli=$1
reports=$2
installed=$(locale -a 2>/dev/null)
if ! grep -qix 'de_DE\.utf-\?8' <<<"$installed"; then
    echo "the de_DE.UTF-8 locale is not installed" >&2
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run() {
    local name=$1
    shift
    mkdir "$work/$name"
    # Status and streams are kept apart; a failing decode is part of what is compared.
    (cd "$work/$name" &&
        env "$@" "$cli" decode --log "$reports/KARB.TXT" "$reports/LSZH.TXT" "$reports/CYVR.TXT" \
            missing.TXT >out 2>err || echo "status $?" >status)
    (cd "$work/$name" && env "$@" "$cli" stations --find zurich >>out 2>>err || true)
}

run c LC_ALL=C LANG=C LANGUAGE=
run de LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 LANGUAGE=de:en

[[ -s "$work/c/out" && -s "$work/c/METAR.LOG" ]] || { echo "the C run wrote nothing" >&2; exit 1; }
diff -r "$work/c" "$work/de"
echo "the same bytes under de_DE.UTF-8 as under C"
