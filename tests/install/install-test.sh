#!/bin/sh
# Installs the build into a temporary prefix (cmake --install BUILD --prefix TMP) and checks the
# installed layout: the programs in bin/ and xbase-tool answering from there, the side tables in
# share/ravenpost/, the manual pages, the desktop entry and the icons.
# Usage: install-test.sh CMAKE BUILD_DIR
set -u
CMAKE=$1
BUILD=$2
SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
. "$SOURCE/tests/install/label-job.sh"
PREFIX=$(mktemp -d)
trap 'rm -rf "$PREFIX"' EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

expectFile() {
    [ -f "$PREFIX/$1" ] || fail "$1 was not installed"
}

if ! "$CMAKE" --install "$BUILD" --prefix "$PREFIX" >"$PREFIX.log" 2>&1; then
    cat "$PREFIX.log"
    rm -f "$PREFIX.log"
    echo "FAIL: cmake --install failed"
    exit 1
fi
rm -f "$PREFIX.log"

# The programs.
for program in ravenpost xbase-tool; do
    [ -x "$PREFIX/bin/$program" ] || fail "bin/$program is missing or not executable"
done
# ravenpost-batch from the installed tree: its usage, and a label job whose setup comes from the
# installed side tables.
BATCH="$PREFIX/bin/ravenpost-batch"
if [ ! -x "$BATCH" ]; then
    fail "bin/ravenpost-batch is missing"
else
    first=$("$BATCH" --help | head -n 1)
    [ "$first" = "usage: ravenpost-batch COMMAND ADDRESSFILE [options]" ] ||
        fail "ravenpost-batch --help began with \"$first\""
    problem=$(labelJob "$PREFIX/bin" "$PREFIX/job") || fail "installed tree: $problem"
fi
if command -v readelf >/dev/null 2>&1; then
    for program in ravenpost ravenpost-batch xbase-tool; do
        readelf -d "$PREFIX/bin/$program" 2>/dev/null | grep -i 'path' | grep -F "$BUILD" &&
            fail "bin/$program still looks for libraries in the build tree"
    done
fi

# xbase-tool: its usage text with status 0 for no arguments and for --help; status 1 and a
# message on standard error for an unknown command.
TOOL="$PREFIX/bin/xbase-tool"
bare=$("$TOOL" 2>&1)
status=$?
[ $status -eq 0 ] || fail "xbase-tool without arguments ended with status $status"
first=$(printf '%s\n' "$bare" | head -n 1)
[ "$first" = "Usage: xbase-tool COMMAND ARGUMENTS" ] ||
    fail "xbase-tool without arguments began with \"$first\""
for command in info create append-csv count dump pack tags index reindex seek check help; do
    printf '%s\n' "$bare" | grep -q "^  $command" || fail "the usage text lacks the command $command"
done
help=$("$TOOL" --help 2>/dev/null)
status=$?
[ $status -eq 0 ] || fail "xbase-tool --help ended with status $status"
[ "$help" = "$bare" ] || fail "xbase-tool --help differs from the usage text without arguments"
unknown=$("$TOOL" frobnicate 2>&1 >/dev/null)
status=$?
[ $status -eq 1 ] || fail "xbase-tool frobnicate ended with status $status, not 1"
case "$unknown" in
"xbase-tool: unknown command frobnicate"*) ;;
*) fail "xbase-tool frobnicate said \"$unknown\"" ;;
esac

# The side tables, in share/ravenpost/ and not beside the programs; the installed tool reads one.
for table in RVPLBLS RVPLSU RVPENVS RVPESU RVPLTRS RVPSZCK; do
    expectFile "share/ravenpost/$table.DBF"
    expectFile "share/ravenpost/$table.CDX"
    [ -e "$PREFIX/bin/$table.DBF" ] && fail "bin/$table.DBF was installed beside the programs"
done
expectFile share/ravenpost/RVPLTRS.FPT

# A .qm for every translations/*.ts, in share/ravenpost/translations/ where the programs look.
for ts in "$SOURCE"/translations/*.ts; do
    expectFile "share/ravenpost/translations/$(basename "$ts" .ts).qm"
done
"$TOOL" check "$PREFIX/share/ravenpost/RVPLBLS.DBF" >/dev/null 2>&1 ||
    fail "xbase-tool check of the installed RVPLBLS.DBF failed"

# Manual pages: every share/man/*.1 of the sources.
for page in "$SOURCE"/share/man/*.1; do
    expectFile "share/man/man1/$(basename "$page")"
done
expectFile share/man/man1/xbase-tool.1

# The desktop entry and the icons.
DESKTOP="$PREFIX/share/applications/ravenpost.desktop"
expectFile share/applications/ravenpost.desktop
for line in '[Desktop Entry]' 'Type=Application' 'Name=Ravenpost' 'Exec=ravenpost %f' \
    'Icon=ravenpost' 'MimeType=application/x-dbf;' 'Categories=Office;'; do
    grep -qxF "$line" "$DESKTOP" 2>/dev/null || fail "the desktop entry lacks the line $line"
done
if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$DESKTOP" || fail "desktop-file-validate rejects the desktop entry"
fi
expectFile share/icons/hicolor/scalable/apps/ravenpost.svg
PNG="$PREFIX/share/icons/hicolor/48x48/apps/ravenpost.png"
expectFile share/icons/hicolor/48x48/apps/ravenpost.png
# A PNG's signature, then the IHDR chunk: width and height as 32-bit big-endian numbers.
header=$(od -An -tx1 -N24 "$PNG" 2>/dev/null | tr -d ' \n')
[ "$header" = "89504e470d0a1a0a0000000d494844520000003000000030" ] ||
    fail "the 48x48 icon is not a 48x48 PNG (header $header)"

if [ $failures -ne 0 ]; then
    echo "$failures problems in the installed layout"
    exit 1
fi
echo "installed layout ok"
