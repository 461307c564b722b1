#!/usr/bin/env bash
# The Debian package, made by CPack from a build and checked without touching
# the machine: its control fields and dependencies, its files, its desktop entry
# and metainfo, lintian, the same files from `cmake --install`, its program run
# once from an unpacked copy on the end-to-end desktop (installed.sh), and an
# install, reinstall, removal and purge in a scratch root that leaves nothing of
# ours behind but the users' settings and logs.
# usage: run.sh <build folder> <artifacts folder> <version>
# Exits 77 (skipped) when a tool is missing; scripts/deps.sh installs them.
set -eu -o pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ $# -ne 3 ]; then
    echo "usage: $0 <build folder> <artifacts folder> <version>" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
mkdir -p "$2"
artifacts=$(cd "$2" && pwd)
version=$3

APP_ID=example.quorvane.Tessaline
PROGRAM=usr/bin/tessaline
ICON_SIZES='16 22 24 32 48 128 256'

pkg_note() { printf 'package: %s\n' "$*" >&2; }
pkg_fail() {
    printf 'package: FAIL: %s\n' "$*" >&2
    exit 1
}

missing=
for tool in cpack dpkg dpkg-deb dpkg-shlibdeps file lintian appstreamcli desktop-file-validate \
    objdump ldd; do
    command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
done
if [ "$(id -u)" -ne 0 ] && ! command -v fakeroot >/dev/null 2>&1; then missing="$missing fakeroot"; fi
if [ -n "$missing" ]; then
    pkg_note "missing:$missing (sh scripts/deps.sh installs them)"
    exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/tessaline-package-XXXXXX")
trap 'rm -rf "$work"' EXIT

# --- the package -----------------------------------------------------------

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$artifacts/cpack.log" 2>&1 ||
    { tail -n 30 "$artifacts/cpack.log" >&2; pkg_fail "cpack failed (see $artifacts/cpack.log)"; }
debs=("$work"/out/*.deb)
if [ "${#debs[@]}" -ne 1 ] || [ ! -f "${debs[0]}" ]; then pkg_fail "not one package in $work/out: ${debs[*]}"; fi
deb=${debs[0]}
rm -f "$artifacts"/*.deb
cp "$deb" "$artifacts/"
pkg_note "made $(basename "$deb")"
dpkg-deb --info "$deb" >"$artifacts/info.txt"
dpkg-deb --contents "$deb" >"$artifacts/contents.txt"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tessaline ] || pkg_fail "package named '$(field Package)'"
[ "$(field Version)" = "$version" ] || pkg_fail "version '$(field Version)', not $version"
depends=$(field Depends)
[ -n "$depends" ] || pkg_fail "no dependencies"
pkg_note "Depends: $depends"

root="$work/root"
dpkg-deb --extract "$deb" "$root"
program="$root/$PROGRAM"

# The package that holds a library file, as dpkg knows it; with /usr merged,
# dpkg may know the file under /lib or under /usr/lib.
owner_of() {
    local real candidate owner
    real=$(realpath "$1")
    for candidate in "$1" "$real" "/usr${1#/usr}" "${1#/usr}" "/usr${real#/usr}" "${real#/usr}"; do
        owner=$(dpkg --search "$candidate" 2>/dev/null | sed -n '1s/:.*//p') || true
        if [ -n "$owner" ]; then
            echo "$owner"
            return 0
        fi
    done
    return 1
}

# Every library the program links comes from a package it depends on.
depended=$(sed 's/^ *//; s/[ :(].*//' <<<"${depends//[,|]/$'\n'}")
libraries=$(objdump -p "$program" | awk '$1 == "NEEDED" { print $2 }')
[ -n "$libraries" ] || pkg_fail "the program links no library"
for library in $libraries; do
    path=$(ldd "$program" | awk -v l="$library" '$1 == l { print $3 }')
    [ -n "$path" ] || pkg_fail "$library is not found"
    owner=$(owner_of "$path") || pkg_fail "no package holds $path"
    grep -Fqx "$owner" <<<"$depended" ||
        pkg_fail "$library comes from $owner, which Depends does not name"
done

# --- its files -------------------------------------------------------------

expected="$work/expected.txt"
{
    echo "./$PROGRAM"
    echo "./usr/share/applications/$APP_ID.desktop"
    echo "./usr/share/metainfo/$APP_ID.metainfo.xml"
    for size in $ICON_SIZES; do echo "./usr/share/icons/hicolor/${size}x$size/apps/$APP_ID.png"; done
    echo ./usr/share/man/man1/tessaline.1.gz
    echo ./usr/share/doc/tessaline/copyright
    echo ./usr/share/doc/tessaline/changelog.gz
} | sort >"$expected"
# Files only: the folders that hold them come and go with them.
awk '$6 !~ /\/$/ { print $6 }' "$artifacts/contents.txt" | sort >"$work/files.txt"
diff -u "$expected" "$work/files.txt" >&2 || pkg_fail "the package's files differ from the expected ones"

# Owned by root, the program executable by all, the rest readable by all.
awk -v program="./$PROGRAM" '
    $2 != "root/root" { print "owner " $2 ": " $6 }
    $6 ~ /\/$/ && $1 != "drwxr-xr-x" { print "mode " $1 ": " $6 }
    $6 == program && $1 != "-rwxr-xr-x" { print "mode " $1 ": " $6 }
    $6 !~ /\/$/ && $6 != program && $1 != "-rw-r--r--" { print "mode " $1 ": " $6 }
' "$artifacts/contents.txt" >"$work/bad_modes.txt"
[ ! -s "$work/bad_modes.txt" ] || pkg_fail "$(cat "$work/bad_modes.txt")"
file --brief "$program" | grep -q ', stripped' || pkg_fail "the program is not stripped"

# The same files from `cmake --install` with a prefix.
cmake --install "$build" --prefix "$work/prefix" >"$artifacts/install.log" 2>&1 ||
    pkg_fail "cmake --install failed (see $artifacts/install.log)"
(cd "$work/prefix" && find . -type f | sed 's|^\./|./usr/|' | sort) >"$work/installed.txt"
diff -u "$expected" "$work/installed.txt" >&2 || pkg_fail "cmake --install puts other files"

# --- desktop entry, icons, metainfo ---------------------------------------

desktop="$root/usr/share/applications/$APP_ID.desktop"
metainfo="$root/usr/share/metainfo/$APP_ID.metainfo.xml"
desktop-file-validate "$desktop" || pkg_fail "the desktop entry does not validate"
# The metainfo, and the desktop entry it launches, as installed.
appstreamcli validate-tree --no-net "$root" >"$artifacts/appstream.txt" 2>&1 ||
    { cat "$artifacts/appstream.txt" >&2; pkg_fail "the metainfo does not validate"; }

entry_key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry_key Icon)" = "$APP_ID" ] || pkg_fail "the entry's icon is '$(entry_key Icon)'"
for key in Exec TryExec; do
    [ "$root/usr/bin/$(entry_key "$key")" -ef "$program" ] ||
        pkg_fail "the entry's $key '$(entry_key "$key")' is not the packaged program"
done
grep -q "<id>$APP_ID</id>" "$metainfo" || pkg_fail "the metainfo's id is not $APP_ID"
grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo" ||
    pkg_fail "the metainfo does not launch $APP_ID.desktop"

# An icon's width and height (bytes 16 to 23 of a PNG) are those of its folder.
for size in $ICON_SIZES; do
    icon="$root/usr/share/icons/hicolor/${size}x$size/apps/$APP_ID.png"
    read -r width height < <(od -An -tu1 -j16 -N8 "$icon" |
        awk '{ print ($1 * 2^24 + $2 * 2^16 + $3 * 256 + $4), ($5 * 2^24 + $6 * 2^16 + $7 * 256 + $8) }')
    [ "$width $height" = "$size $size" ] || pkg_fail "the ${size}x$size icon is $width x $height"
done

# The changelog's and the metainfo's newest release are this version.
changelog_version=$(gzip -dc "$root/usr/share/doc/tessaline/changelog.gz" | sed -n '1s/^tessaline (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$version" ] || pkg_fail "the changelog's newest version is '$changelog_version'"
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
[ "$release" = "$version" ] || pkg_fail "the metainfo's newest release is '$release'"

# --- lintian ---------------------------------------------------------------

lintian --fail-on error --display-info "$deb" >"$artifacts/lintian.txt" 2>&1 ||
    { cat "$artifacts/lintian.txt" >&2; pkg_fail "lintian reports errors"; }
grep -E '^[EW]: ' "$artifacts/lintian.txt" >&2 || true

# --- the unpacked program on the desktop ----------------------------------

export PACKAGE_WM_CLASS
PACKAGE_WM_CLASS=$(entry_key StartupWMClass)
status=0
bash "$here/installed.sh" "$program" "$artifacts/e2e" || status=$?
[ "$status" -eq 0 ] || [ "$status" -eq 77 ] || pkg_fail "the unpacked program failed on the desktop"
written_entry="$artifacts/e2e/case_installed_program_starts_and_logs/autostart.desktop"

# --- installing and removing in a scratch root ----------------------------

# dpkg on a root of its own, with its own database and log; maintainer scripts
# run outside it with DPKG_ROOT set. Dependencies are the machine's business.
scratch="$work/scratch"
mkdir -p "$scratch/var/lib/dpkg/info" "$scratch/var/lib/dpkg/updates" "$scratch/var/lib/dpkg/triggers"
: >"$scratch/var/lib/dpkg/status"
: >"$scratch/var/lib/dpkg/available"
scratch_dpkg() {
    local as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(fakeroot)
    # dpkg looks for ldconfig and start-stop-daemon, which a user's PATH may miss.
    PATH="$PATH:/usr/sbin:/sbin" "${as_root[@]}" dpkg --root="$scratch" --log="$work/dpkg.log" --force-script-chrootless \
        --force-not-root --force-depends "$@" >>"$artifacts/dpkg.log" 2>&1 ||
        { tail -n 20 "$artifacts/dpkg.log" >&2; pkg_fail "dpkg $* failed"; }
}
: >"$artifacts/dpkg.log"
scratch_dpkg --install "$deb"
[ -x "$scratch/$PROGRAM" ] || pkg_fail "the install put no program"

# The machine-wide autostart entry as the program writes it (the one the
# unpacked program wrote, when the desktop run could take place), for the
# installed program and for a copy of the user's own that is still there.
if [ -f "$written_entry" ]; then
    entry=$(sed "s|$program|/$PROGRAM|g" "$written_entry")
else
    entry=$(printf '[Desktop Entry]\nType=Application\nName=Tessaline\nExec="/%s"\nTryExec=/%s\n' \
        "$PROGRAM" "$PROGRAM")
fi
grep -qx "TryExec=/$PROGRAM" <<<"$entry" || pkg_fail "the program's entry does not name /$PROGRAM: $entry"
put() {
    mkdir -p "$(dirname "$scratch/$1")"
    printf '%s\n' "$2" >"$scratch/$1"
}
# The entry's name, and the one that earlier versions gave it.
ours=example.quorvane.Tessaline.desktop
put etc/xdg/autostart/$ours "$entry"
put etc/xdg/xdg-session/autostart/$ours "$entry"
put etc/xdg/autostart/tessaline.desktop "$entry"
put etc/xdg/xdg-own/autostart/$ours "${entry//\/$PROGRAM//opt/own/tessaline}"
put opt/own/tessaline 'a copy of the program built by hand'
put etc/xdg/autostart/other.desktop '[Desktop Entry]'
put home/user/.config/Quorvane.conf '[Tessaline]'
put home/user/.config/autostart/$ours "$entry"
put home/user/.local/state/Tessaline.txt 'an entry'
ours_gone="etc/xdg/autostart/$ours etc/xdg/xdg-session/autostart/$ours etc/xdg/autostart/tessaline.desktop"
kept="etc/xdg/xdg-own/autostart/$ours opt/own/tessaline etc/xdg/autostart/other.desktop
 home/user/.config/Quorvane.conf home/user/.config/autostart/$ours
 home/user/.local/state/Tessaline.txt"

expect_kept_by_reinstall() {
    local name
    for name in "$@"; do [ -e "$scratch/$name" ] || pkg_fail "the reinstall took away $name"; done
}

# A reinstall runs the old package's removal script for an upgrade: it keeps
# every entry, since the program stays.
scratch_dpkg --install "$deb"
# shellcheck disable=SC2086
expect_kept_by_reinstall $ours_gone $kept
scratch_dpkg --remove tessaline
for name in $ours_gone; do [ ! -e "$scratch/$name" ] || pkg_fail "the removal left $name"; done
scratch_dpkg --purge tessaline
(cd "$scratch" && find . -path ./var/lib/dpkg -prune -o -type f -print | sed 's|^\./||' | sort) \
    >"$work/left.txt"
tr ' ' '\n' <<<"$kept" | sed '/^$/d' | sort >"$work/kept.txt"
diff -u "$work/kept.txt" "$work/left.txt" >&2 || pkg_fail "the purge left other files than the users'"
[ ! -e "$scratch/usr" ] || pkg_fail "the purge left $(cd "$scratch" && find usr | head -n 5)"

if [ "$status" -eq 77 ]; then
    pkg_note "the desktop tools are missing: the unpacked program did not run"
    exit 77
fi
pkg_note "pass"
