#!/bin/sh
# Installs what building, running and testing Tessaline needs on Debian 12.
set -eu
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
export DEBIAN_FRONTEND=noninteractive
PACKAGES="cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
 googletest libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation xdg-utils
 xvfb openbox trayer xdotool imagemagick x11-utils procps desktop-file-utils libsm-dev
 dpkg-dev file fakeroot lintian appstream locales time"
MISSING=
for package in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' ||
        MISSING="$MISSING $package"
done
[ -n "$MISSING" ] || exit 0
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $MISSING >/dev/null
