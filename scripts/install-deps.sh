#!/bin/sh
# Installs the Debian packages that building, the content pipeline and the
# tests need, skipping those that are already present.
set -eu

PACKAGES="
build-essential cmake pkg-config git
libsdl2-dev libopenal-dev libpng-dev libjpeg62-turbo-dev
libvorbis-dev libogg-dev libfreetype-dev libgl-dev libgl1-mesa-dri
libopenal1 libegl-dev
libgtest-dev libgmock-dev libbenchmark-dev
clang libclang-rt-14-dev
xvfb xdotool x11-utils xauth
imagemagick python3 python3-pil librsvg2-bin
sox espeak-ng vorbis-tools
fonts-dejavu-core fonts-dejavu-extra fonts-liberation2
locales python3-numpy
"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -z "$missing" ]; then
    echo "install-deps: everything is installed"
    exit 0
fi

echo "install-deps: installing$missing"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
