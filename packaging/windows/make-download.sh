#!/bin/sh
# Makes the Windows download from a built tessaline.exe, into the output folder:
#   tessaline.exe                          the program, stripped
#   Tessaline-<version>-windows-x64.zip    that program and README.txt
#   Tessaline-<version>-setup.exe          the installer (tessaline.nsi)
# usage: make-download.sh <tessaline.exe> <version> <output folder>
# Needs MinGW-w64's strip, zip and makensis (scripts/build-windows.sh installs
# them). The zip's bytes depend on its content only: fixed times (the last
# commit's, or SOURCE_DATE_EPOCH), fixed modes, no extra fields.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
if [ $# -ne 3 ]; then
    echo "usage: $0 <tessaline.exe> <version> <output folder>" >&2
    exit 2
fi
program=$1
version=$2
mkdir -p "$3"
out=$(cd "$3" && pwd)
zip_name="Tessaline-$version-windows-x64.zip"
setup_name="Tessaline-$version-setup.exe"

stage="$out/stage"
rm -rf "$stage" "${out:?}/$zip_name" "${out:?}/$setup_name"
mkdir "$stage"
# Windows' own editors expect CR LF.
sed "s/@VERSION@/$version/g; s/\$/\r/" "$here/README.txt" >"$stage/README.txt"

epoch=${SOURCE_DATE_EPOCH:-$(git -C "$here" log -1 --format=%ct 2>/dev/null || echo 1767225600)}
# strip writes it as the program's link time too.
SOURCE_DATE_EPOCH=$epoch x86_64-w64-mingw32-strip -o "$stage/tessaline.exe" "$program"
chmod 644 "$stage/README.txt"
chmod 755 "$stage/tessaline.exe"
touch -d "@$epoch" "$stage/README.txt" "$stage/tessaline.exe"
# A zip holds local times: UTC makes them the same wherever it is made.
(cd "$stage" && TZ=UTC zip -q -X -9 "$out/$zip_name" README.txt tessaline.exe)

makensis -V2 -INPUTCHARSET UTF8 "-DVERSION=$version" "-DPROGRAM=$stage/tessaline.exe" \
    "-DOUTFILE=$out/$setup_name" "$here/tessaline.nsi"

cp "$stage/tessaline.exe" "$out/tessaline.exe"
rm -rf "$stage"
for file in tessaline.exe "$zip_name" "$setup_name"; do
    echo "$out/$file: $(wc -c <"$out/$file") bytes"
done
