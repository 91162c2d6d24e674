#!/bin/sh
# Brings translation files up to date with the sources: update-translations.sh BUILD FILE.ts...
# lupdate reads every source the build lists in BUILD/translations/sources.lst, adds their new
# texts as unfinished, keeps every translation and marks the texts the sources no longer have
# as vanished. No source locations are written, so that a .ts file in git changes only when
# its texts do. LUPDATE names the lupdate to run (Debian's qt6-l10n-tools by default).
set -e
if [ $# -lt 2 ]; then
    echo "usage: update-translations.sh BUILD FILE.ts..." >&2
    exit 1
fi
build=$1
shift
root=$(cd "$(dirname "$0")/.." && pwd)
list="$build/translations/sources.lst"
if [ ! -f "$list" ]; then
    echo "update-translations.sh: $list is missing: configure the build first (make configure)" >&2
    exit 1
fi
exec "${LUPDATE:-/usr/lib/qt6/bin/lupdate}" -silent -locations none -source-language en \
    -I "$root" "@$list" -ts "$@"
