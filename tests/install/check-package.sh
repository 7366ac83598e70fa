#!/usr/bin/env bash
# Builds the Debian package and checks it: the expected files, run-time dependencies computed
# from the libraries (Qt and libcurl among them) plus the art's font, none of the test tools, and
# no lintian errors (its warnings are printed); and the unpacked gauge, which does not link
# libcurl, fetching over HTTPS through its module.
# usage: check-package.sh WORK_DIR VERSION WITH_WINDOW(0|1)
set -euo pipefail
work=$1 version=$2 with_window=$3
source=$(cd "$(dirname "$0")/../.." && pwd)
BUILD_DIR=$work/build "$source/tools/package.sh" "$work/out" >"$work.log" 2>&1 ||
    { tail -40 "$work.log"; exit 1; }
deb=$work/out/stormbell_${version}_$(dpkg --print-architecture).deb
failed=0
fail() { echo "FAIL: $*"; failed=1; }

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
expected=(./usr/bin/stormbell-cli ./usr/bin/stormbell-render
          ./usr/share/applications/com.brightmoor.Stormbell.desktop
          ./usr/share/metainfo/com.brightmoor.Stormbell.metainfo.xml
          ./usr/share/icons/hicolor/16x16/apps/com.brightmoor.Stormbell.png
          ./usr/share/icons/hicolor/256x256/apps/com.brightmoor.Stormbell.png
          ./usr/share/man/man1/stormbell-cli.1.gz ./usr/share/doc/stormbell/copyright)
[ "$with_window" = 1 ] && expected+=(./usr/bin/stormbell ./usr/lib/stormbell/stormbell-print.so
                                     ./usr/lib/stormbell/stormbell-https.so)
for file in "${expected[@]}"; do
    grep -qxF "$file" <<<"$contents" || fail "package lacks $file"
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6core6 libqt6gui6 fonts-dejavu-extra libc6 libcurl4; do
    grep -qw "$needed" <<<"$depends" || fail "Depends lacks $needed"
done
for unwanted in python3 pyftpdlib libgtest; do
    ! grep -q "$unwanted" <<<"$depends" || fail "Depends names $unwanted"
done

lintian --fail-on error "$deb" || fail "lintian reports errors"

if [ "$with_window" = 1 ]; then
    unpacked=$work/unpacked
    rm -rf "$unpacked"
    dpkg-deb -x "$deb" "$unpacked"
    ! ldd "$unpacked/usr/bin/stormbell" | grep -q libcurl || fail "the gauge links libcurl"
    STORMBELL_BIN=$unpacked/usr/bin/stormbell STORMBELL_CLI=$unpacked/usr/bin/stormbell-cli \
        QT_QPA_PLATFORM=offscreen "$source/tools/demo.sh" --https --check ||
        fail "the unpacked gauge did not fetch over HTTPS"
fi
exit "$failed"
