#!/usr/bin/env bash
# Runs the real program on a virtual desktop (Xvfb, openbox, trayer) and checks
# what a user sees: usage: run.sh <tessaline> <artifacts folder> [case_name...]
# Cases are the case_* functions of cases/*.sh; lib.sh has the helpers.
set -u
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"
for cases in "$here"/cases/*.sh; do
    # shellcheck disable=SC1090
    . "$cases"
done
e2e_main "$@"
