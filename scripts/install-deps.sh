#!/bin/sh
# Installs the Debian packages the build, the tests and the program need, only when some are missing.
set -eu
packages="build-essential cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
libbenchmark-dev clang clang-format libclang-rt-14-dev fonts-dejavu-core xdg-utils
desktop-file-utils appstream dpkg-dev file poppler-utils"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing Debian packages:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
# shellcheck disable=SC2086
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
