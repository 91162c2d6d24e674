#!/bin/sh
# Checks the Debian package make package wrote into BUILD_DIR: its control fields, then runs a
# label job with the programs and side files extracted from it (dpkg-deb -x), as an installed
# copy would run.
# Usage: package-test.sh BUILD_DIR
set -u
BUILD=$1
SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
. "$SOURCE/tests/install/label-job.sh"
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

set -- "$BUILD"/ravenpost_*.deb
if [ ! -f "$1" ] || [ $# -ne 1 ]; then
    echo "FAIL: expected one ravenpost_*.deb in $BUILD (make package writes it)"
    exit 1
fi
DEB=$1
ROOT=$(mktemp -d)
trap 'rm -rf "$ROOT"' EXIT

[ "$(dpkg-deb -f "$DEB" Package)" = ravenpost ] || fail "the package is not named ravenpost"
depends=$(dpkg-deb -f "$DEB" Depends)
for package in libqt6widgets6 libqt6printsupport6 libqt6serialport6 libzint2.11 libicu72 \
    libharfbuzz0b libharfbuzz-subset0 libdeflate0; do
    printf '%s\n' "$depends" | grep -q "$package" || fail "Depends lacks $package: $depends"
done
[ "$(dpkg-deb -f "$DEB" Suggests)" = glabels-data ] ||
    fail "the package does not suggest glabels-data: $(dpkg-deb -f "$DEB" Suggests)"

dpkg-deb -x "$DEB" "$ROOT" || { echo "FAIL: dpkg-deb -x $DEB"; exit 1; }
for path in usr/bin/ravenpost usr/bin/ravenpost-batch usr/bin/xbase-tool \
    usr/share/ravenpost/RVPLSU.DBF usr/share/man/man1/ravenpost-batch.1.gz \
    usr/share/applications/ravenpost.desktop; do
    [ -e "$ROOT/$path" ] || [ -e "$ROOT/${path%.gz}" ] || fail "the package lacks $path"
done
problem=$(labelJob "$ROOT/usr/bin" "$ROOT/job") || fail "packaged programs: $problem"

if [ $failures -ne 0 ]; then
    echo "$failures problems in the package $DEB"
    exit 1
fi
echo "package $(basename "$DEB") ok"
