#!/bin/sh
# Installs the Debian packages the project needs; quiet and quick when they are all present.
set -e
PACKAGES="build-essential cmake ninja-build pkg-config qt6-base-dev libgtest-dev libgmock-dev
libbenchmark-dev nlohmann-json3-dev python3 python3-dbfread libdbd-xbase-perl unrtf clang clang-format
libclang-rt-14-dev lld
xvfb xauth fonts-liberation2 imagemagick poppler-utils qt6-serialport-dev libzint-dev
cups printer-driver-cups-pdf glabels-data libicu-dev libharfbuzz-dev libdeflate-dev fonts-urw-base35
qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools qt6-translations-l10n"
# One dpkg-query for the lot: this runs before every make target.
installed=" $(dpkg-query -W -f='${Package} ${Status}\n' $PACKAGES 2>/dev/null |
    awk '$2 == "install" && $4 == "installed" { printf "%s ", $1 }')"
missing=""
for p in $PACKAGES; do
    case "$installed" in
        *" $p "*) ;;
        *) missing="$missing $p" ;;
    esac
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q $missing
