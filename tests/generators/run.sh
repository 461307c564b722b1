#!/bin/sh
# run.sh <cmake> <source folder> <work folder> <ON|OFF: the Qt window>
# Configures the project with each generator into the work folder and makes
# the files that its custom commands generate: the test locales and, with the
# Qt window, the compressed manual page and changelog of the package.
set -eu
cmake=$1 source=$2 work=$3 gui=$4
targets=tessaline_test_locales
[ "$gui" = ON ] && targets="$targets tessaline_compressed_docs"
status=0
mkdir -p "$work"
for generator in "Unix Makefiles" "Ninja Multi-Config"; do
    folder="$work/$(echo "$generator" | tr ' ' '-')"
    rm -rf "$folder"
    log="$folder.log"
    # shellcheck disable=SC2086  # the targets, one word each
    if "$cmake" -S "$source" -B "$folder" -G "$generator" -DTESSALINE_BUILD_GUI="$gui" \
        -DTESSALINE_BUILD_BENCH=OFF >"$log" 2>&1 &&
        "$cmake" --build "$folder" --target $targets >>"$log" 2>&1; then
        echo "generators: $generator makes $targets"
    else
        echo "generators: $generator fails:" >&2
        tail -n 20 "$log" >&2
        status=1
    fi
done
[ "$status" -ne 0 ] || rm -rf "$work"
exit "$status"
