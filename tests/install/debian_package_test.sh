#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# debian_package_test.sh CPACK BUILD_DIR INSTALLED_FILES_LIST VERSION HARDENED
# `cpack -G DEB` makes a package that holds exactly the installed files under
# /usr, the program in /usr/games, stripped, and hardened if HARDENED is 1
# (the build applies every hardening flag), and depends on Qt's libraries,
# fonts-liberation and SQLite; lintian finds no error and no warning in it.
set -euo pipefail
source "$(dirname "$0")/common.sh"
skip_without dpkg-deb dpkg-shlibdeps readelf lintian hardening-check
cpack="$1" build="$2" list="$3" version="$4" hardened="$5"

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
expected="$(expected_files "$list" package)"
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

# Depends: worked out from the program's libraries, plus the font and SQLite.
depends="$(field Depends)"
names="$(sed -e 's/, */\n/g' <<<"$depends" | sed -e 's/ .*//')"
for package in libqt6core6 libqt6gui6 libqt6widgets6 libc6 libstdc++6 fonts-liberation \
    libsqlite3-0; do
    grep -Fqx "$package" <<<"$names" || fail "Depends lacks $package: $depends"
done

dpkg-deb --extract "$deb" "$folder/root"
program="$folder/root/usr/games/tharnwell"
if [[ "$(unneeded_sections "$program")" == *.debug_info* ]]; then
    fail "the packaged program still carries its debugging information"
fi
# PIE, stack protector, stack clash protection, fortified functions, relro,
# bindnow and control-flow protection: every line of a plain hardening-check.
if [ "$hardened" = 1 ]; then
    report="$(hardening-check "$program" 2>&1)" || fail "hardening-check: $report"
    # Stack clash probes appear only in functions with a frame over a page,
    # which the program has none of: "unknown" is what the check then says.
    if grep -E ': no' <<<"$report"; then fail "hardening-check: $report"; fi
fi
changelog="$(zcat "$folder/root/usr/share/doc/tharnwell/changelog.Debian.gz" | sed -n 1p)"
[[ "$changelog" == "tharnwell ($(field Version)) "* ]] ||
    fail "the changelog's latest entry '$changelog' is not of version $(field Version)"

# Information tags are advice, but not the ones on missing hardening. A tag
# the package overrides, with its reason, is not shown.
report="$(lintian --display-info --fail-on error,warning "$deb" 2>&1)" || fail "lintian: $report"
if [ "$hardened" = 1 ] && grep -E 'hardening-no-(bindnow|fortify-functions)' <<<"$report"; then
    fail "lintian finds the program not hardened"
fi
echo "$(basename "$deb"): Depends: $depends"
echo "lintian: ${report:-no tags}"
[ "$hardened" = 1 ] || echo "a build without every hardening flag: hardening not checked"
