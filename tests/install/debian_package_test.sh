#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# debian_package_test.sh CPACK BUILD_DIR INSTALLED_FILES_LIST VERSION
# `cpack -G DEB` makes a package that holds exactly the installed files under
# /usr, stripped, and depends on Qt's libraries and fonts-liberation.
set -euo pipefail
source "$(dirname "$0")/common.sh"
skip_without dpkg-deb dpkg-shlibdeps readelf
cpack="$1" build="$2" list="$3" version="$4"

folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
log="$("$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$folder" 2>&1)" ||
    fail "cpack failed: $log"
packages=("$folder"/*.deb)
[ ${#packages[@]} -eq 1 ] && [ -f "${packages[0]}" ] || fail "cpack made no single .deb: $log"
deb="${packages[0]}"

# Files and links in the package, as paths under /usr.
contents="$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' |
    sed 's|^\./usr/||' | LC_ALL=C sort)"
expected="$(expected_files "$list")"
if [ "$contents" != "$expected" ]; then
    diff <(echo "$expected") <(echo "$contents") >&2 || true
    fail "the package's files under /usr (right) are not the installed ones (left)"
fi
if dpkg-deb --contents "$deb" | awk '{ print $6 }' | grep -v '^\./usr/\|^\./$'; then
    fail "the package puts files outside /usr"
fi

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = "tharnwell" ] || fail "Package is '$(field Package)'"
[[ "$(field Version)" == "$version"-* ]] || fail "Version '$(field Version)' is not $version-N"
[ "$(field Section)" = "games" ] || fail "Section is '$(field Section)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] ||
    fail "Architecture is '$(field Architecture)'"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] ||
    fail "Maintainer '$(field Maintainer)' is not 'Name <address>'"
description="$(field Description)"
[ "$(wc -l <<<"$description")" -ge 2 ] || fail "the Description has no long part: '$description'"

# Depends: worked out from the program's libraries, plus the font.
depends="$(field Depends)"
names="$(sed -e 's/, */\n/g' <<<"$depends" | sed -e 's/ .*//')"
for package in libqt6core6 libqt6gui6 libqt6widgets6 libc6 libstdc++6 fonts-liberation; do
    grep -Fqx "$package" <<<"$names" || fail "Depends lacks $package: $depends"
done

dpkg-deb --extract "$deb" "$folder/root"
if readelf -S "$folder/root/usr/bin/tharnwell" | grep -q '\.debug_info'; then
    fail "the packaged program still carries its debugging information"
fi
echo "$(basename "$deb"): Depends: $depends"
