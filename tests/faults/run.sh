#!/usr/bin/env bash
# The fault suite: the real program on the end-to-end desktop against bad
# settings, log paths, power data and optional files, and against signals.
# usage: run.sh <tessaline> <artifacts folder> [case_name...]
# Cases are the case_* functions of cases/*.sh; helpers.sh and ../e2e/lib.sh
# have the helpers.
set -u
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../e2e/lib.sh
. "$here/../e2e/lib.sh"
# shellcheck source=helpers.sh
. "$here/helpers.sh"
# Cases make files and folders unreadable; none of that may keep the run's
# folder from being removed.
eval "e2e_lib_$(declare -f e2e_cleanup)"
e2e_cleanup() {
    if [ -n "${E2E_RUN_DIR:-}" ] && [ -d "$E2E_RUN_DIR" ]; then
        chmod -R u+rwX "$E2E_RUN_DIR" >/dev/null 2>&1 || true
    fi
    e2e_lib_e2e_cleanup
}
# Read after the end-to-end run's own suppressions, so this list is the one used.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$here/lsan.supp"
for cases in "$here"/cases/*.sh; do
    # shellcheck disable=SC1090
    . "$cases"
done
e2e_main "$@"
