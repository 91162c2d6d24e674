#!/bin/sh
# Checks every translations/*.ts against the sources: check-translations.sh BUILD
# lupdate brings a copy of each file up to date (scripts/update-translations.sh; the file itself
# is left alone), and the check fails, listing them, on texts lupdate could not give the context
# tr() uses at run time, unfinished entries (new texts among them), obsolete or vanished ones
# (texts the sources no longer have), and translations that lack a %1 or %n of their source or
# the & of its keyboard mnemonic.
set -e
if [ $# -ne 1 ]; then
    echo "usage: check-translations.sh BUILD" >&2
    exit 1
fi
build=$1
root=$(cd "$(dirname "$0")/.." && pwd)
copies=$(mktemp -d)
trap 'rm -rf "$copies"' EXIT
status=0
for ts in "$root"/translations/*.ts; do
    [ -f "$ts" ] || continue
    copy="$copies/$(basename "$ts")"
    cp "$ts" "$copy"
    sh "$root/scripts/update-translations.sh" "$build" "$copy" 2>"$copies/lupdate.err"
    if [ -s "$copies/lupdate.err" ]; then
        echo "$(basename "$ts"): lupdate cannot give these texts the context tr() uses:"
        sed 's/^/  /' "$copies/lupdate.err"
        status=1
    fi
    python3 "$root/scripts/ts-problems.py" "$copy" || status=1
done
[ $status -eq 0 ] || echo "Bring the files up to date with 'make translations', then translate the entries listed (Qt Linguist: linguist translations/FILE.ts)."
exit $status
