#!/bin/sh
# Installs those of the named Debian 12 packages that are not installed yet,
# through sudo when not run as root: usage: install-packages.sh <package>...
set -eu
MISSING=
for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' ||
        MISSING="$MISSING $package"
done
[ -n "$MISSING" ] || exit 0
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $MISSING >/dev/null
