#!/usr/bin/env bash
# The program's translation catalogues (data/translations/*.ts) against its sources.
#   tools/translations.sh update [LUPDATE]   brings new source texts into the catalogues
#   tools/translations.sh check [LUPDATE]    fails when a catalogue lacks a text or leaves one
#                                            unfinished; changes nothing
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:?usage: translations.sh update|check [lupdate]}
lupdate=${2:-/usr/lib/qt6/bin/lupdate}

catalogues=(data/translations/stormbell_de.ts data/translations/stormbell_fr.ts
            data/translations/stormbell_es.ts)
# Folders whose texts a person reads; the cli and the tests speak English to programs.
sources=(app gauges history net observation platform printing settings)

# lupdate's notes on classes it cannot resolve across files are noise here.
scan() {
    "$lupdate" -silent -locations none -no-obsolete -extensions cpp,h -I . \
        -tr-function-alias QT_TRANSLATE_NOOP+=STORMBELL_TEXT "${sources[@]}" -ts "$@" \
        2> >(grep -v "Ignoring definition of undeclared qualified class" >&2)
}

case "$mode" in
update)
    scan "${catalogues[@]}"
    ;;
check)
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    copies=()
    for c in "${catalogues[@]}"; do
        cp "$c" "$work/"
        copies+=("$work/$(basename "$c")")
    done
    scan "${copies[@]}"
    python3 - "${copies[@]}" <<'PY'
import sys
import xml.etree.ElementTree as ET

failed = 0
for path in sys.argv[1:]:
    name = path.rsplit("/", 1)[-1]
    for context in ET.parse(path).getroot().iter("context"):
        scope = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            forms = [f.text for f in translation.iter("numerusform")] or [translation.text]
            if translation.get("type") == "unfinished" or not all(forms):
                print(f"{name}: {scope}: no finished translation for {source!r}")
                failed += 1
if failed:
    print(f"{failed} texts lack a translation; run tools/translations.sh update and translate them")
    sys.exit(1)
print("every catalogue translates every text")
PY
    ;;
*)
    echo "usage: translations.sh update|check [lupdate]" >&2
    exit 2
    ;;
esac
