#!/bin/sh
# Installs what building, running and testing Tessaline needs on Debian 12.
set -eu
PACKAGES="cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
 googletest libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation xdg-utils
 xvfb openbox trayer xdotool imagemagick x11-utils procps desktop-file-utils libsm-dev
 dpkg-dev file fakeroot lintian appstream locales time"
# shellcheck disable=SC2086
sh "$(dirname "$0")/install-packages.sh" $PACKAGES
