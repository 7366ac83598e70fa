#!/usr/bin/env bash
# Runs the window's blocked-FTP test with the service's host mapped to 127.0.0.1, in a mount
# namespace of its own, so that the machine's /etc/hosts stays as it is. usage: app_tests binary
set -euo pipefail
if ! unshare -m true 2>/dev/null; then
    echo "SKIPPED: mapping the service's host needs 'unshare -m' (root)"
    exit 77
fi
hosts=$(mktemp)
trap 'rm -f "$hosts"' EXIT
{ cat /etc/hosts; echo "127.0.0.1 tgftp.nws.noaa.gov"; } >"$hosts"
out=$(unshare -m sh -c 'mount --bind "$1" /etc/hosts &&
    STORMBELL_SERVICE_HOST_IS_LOCAL=1 "$2" \
        --gtest_filter=WindowCycleTest.RefusedConnectionToTheServicesFtpServerPointsToHttps' \
    sh "$hosts" "$1" 2>&1) || { echo "$out"; exit 1; }
echo "$out"
# A skip here would mean the mapping did not reach the test.
! grep -q "SKIPPED" <<<"$out"
