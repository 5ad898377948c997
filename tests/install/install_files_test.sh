#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# install_files_test.sh CMAKE BUILD_DIR INSTALLED_FILES_LIST STRIP_INSTALL
# `cmake --install` into a temporary prefix puts down exactly the program and
# its data, the program stripped unless STRIP_INSTALL (the option
# THARNWELL_STRIP_INSTALL) is off, and the program runs from there.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cmake="$1" build="$2" list="$3" strip="$4"

prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
install_into "$cmake" "$build" "$prefix"

installed="$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)"
expected="$(expected_files "$list" install)"
if [ "$installed" != "$expected" ]; then
    diff <(echo "$expected") <(echo "$installed") >&2 || true
    fail "the installed files (right) are not the expected ones (left)"
fi

[ -x "$prefix/bin/tharnwell" ] || fail "bin/tharnwell is not executable"
if [ "$strip" = ON ] && [ -n "$(unneeded_sections "$prefix/bin/tharnwell")" ]; then
    fail "the installed program keeps the sections $(unneeded_sections "$prefix/bin/tharnwell")"
fi
for data in $(cd "$prefix" && find share -type f); do
    [ ! -x "$prefix/$data" ] || fail "$data is executable"
done
gzip -t "$prefix/share/man/man6/tharnwell.6.gz" || fail "the man page is not a valid gzip file"
page="$(zcat "$prefix/share/man/man6/tharnwell.6.gz")"
grep -q '^\.TH THARNWELL 6 ' <<<"$page" || fail "the man page has no .TH line for section 6"

version="$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/tharnwell" --version)" ||
    fail "the installed program does not answer --version"
[[ "$version" == "tharnwell "* ]] || fail "the installed program printed '$version'"
echo "installed: $(echo "$installed" | tr '\n' ' ')"
