#!/usr/bin/env bash
# Installs a build into a temporary DESTDIR and checks the tree a user gets: exactly the expected
# files, a valid desktop entry and metadata, clean man pages and programs that run.
# usage: check-install.sh BUILD_DIR APP_ID VERSION WITH_WINDOW(0|1) MODULE_DIR ICON_SIZE...
set -euo pipefail
build=$1 id=$2 version=$3 with_window=$4 module_dir=$5
shift 5
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr
failed=0
fail() { echo "FAIL: $*"; failed=1; }

expected=(bin/stormbell-cli bin/stormbell-render
          "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
          share/man/man1/stormbell.1.gz share/man/man1/stormbell-cli.1.gz
          share/man/man1/stormbell-render.1.gz
          share/doc/stormbell/copyright share/doc/stormbell/changelog.gz)
[ "$with_window" = 1 ] &&
    expected+=(bin/stormbell "$module_dir/stormbell-print.so" "$module_dir/stormbell-https.so")
for size in "$@"; do expected+=("share/icons/hicolor/${size}x$size/apps/$id.png"); done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$usr" && find . -type f | sed 's|^\./||' | sort) ||
    fail "installed files differ from the expected ones (< missing, > unexpected)"

[ "$("$usr/bin/stormbell-cli" --version)" = "stormbell-cli $version" ] ||
    fail "stormbell-cli --version does not print stormbell-cli $version"
QT_QPA_PLATFORM=offscreen "$usr/bin/stormbell-render" --out "$root/face.png" >/dev/null 2>&1 &&
    [ "$(head -c 4 "$root/face.png" | tail -c 3)" = PNG ] || fail "stormbell-render wrote no PNG"

entry=$usr/share/applications/$id.desktop
desktop-file-validate "$entry" || fail "desktop entry invalid"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" >"$root/as.txt" ||
    { cat "$root/as.txt"; fail "metadata invalid"; }
[ "$(sed -n 's/^Icon=//p' "$entry")" = "$id" ] || fail "desktop entry names another icon"
if [ "$with_window" = 1 ]; then
    [ -x "$usr/bin/$(sed -n 's/^Exec=//p' "$entry")" ] || fail "desktop entry starts no installed program"
fi

for page in "$usr"/share/man/man1/*.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
               man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done
exit "$failed"
