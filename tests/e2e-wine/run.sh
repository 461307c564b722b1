#!/usr/bin/env bash
# Runs the Windows program under Wine on a virtual desktop and checks what a
# user sees: usage: run.sh <tessaline.exe> <artifacts folder> [case_name...]
# E2E_PROBE names the probe (tools/probe.cpp), E2E_LOCPATH the folder of the
# locales the cases run in and E2E_VERSION the project's version, which the
# Windows download made from the program carries (cases/install.sh). Cases
# are the case_* functions of cases/*.sh; lib.sh has the helpers.
set -u
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"
for cases in "$here"/cases/*.sh; do
    # shellcheck disable=SC1090
    . "$cases"
done
e2e_main "$@"
