#!/bin/sh
# Installs the Debian packages the project needs; quiet and quick when they are all present.
set -e
PACKAGES="build-essential cmake ninja-build pkg-config qt6-base-dev libgtest-dev libgmock-dev
libbenchmark-dev nlohmann-json3-dev python3 python3-dbfread libdbd-xbase-perl clang clang-format libclang-rt-14-dev
xvfb xauth fonts-liberation2 imagemagick poppler-utils"
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q $missing
