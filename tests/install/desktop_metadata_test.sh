#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# desktop_metadata_test.sh CMAKE BUILD_DIR APP_ID VERSION
# The installed desktop entry, icon and AppStream metadata pass the desktop's
# own validators and agree with each other and with the program's version.
set -euo pipefail
source "$(dirname "$0")/common.sh"
skip_without desktop-file-validate appstreamcli
cmake="$1" build="$2" id="$3" version="$4"

prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
install_into "$cmake" "$build" "$prefix"
desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"

# desktop-file-validate prints errors, warnings and hints; hints are advice.
report="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop-file-validate: $report"
if grep -E 'error:|warning:' <<<"$report"; then fail "desktop-file-validate complains"; fi

# Errors and warnings fail; info and pedantic notes are advice.
for check in "validate --pedantic --no-net $metainfo" "validate-tree --pedantic --no-net $prefix"; do
    # shellcheck disable=SC2086
    report="$(appstreamcli $check 2>&1)" || fail "appstreamcli $check: $report"
    if grep -E '^(E|W): ' <<<"$report"; then fail "appstreamcli $check complains"; fi
done

field() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(field Icon)" = "$id" ] || fail "the desktop entry's icon is '$(field Icon)', not $id"
[ "$(field Exec)" = "tharnwell" ] || fail "the desktop entry runs '$(field Exec)'"
[ "$(field Categories)" = "Game;RolePlaying;" ] || fail "categories '$(field Categories)'"
[ -n "$(field Comment)" ] || fail "the desktop entry has no Comment"

grep -q "<id>$id</id>" "$metainfo" || fail "the metadata's id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch $id.desktop"
grep -q "<release version=\"$version\" date=\"[0-9]\{4\}-[0-9]\{2\}-[0-9]\{2\}\"" "$metainfo" ||
    fail "the metadata has no release $version with a date"
grep -q '<caption>[^<]' "$metainfo" || fail "the metadata's screenshot has no caption"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" ||
    fail "the metadata's project_license is not GPL-3.0-or-later"

# A PNG's width and height are the big-endian words at bytes 16 to 23.
png="$prefix/share/icons/hicolor/256x256/apps/$id.png"
[ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] ||
    fail "$png is not a PNG"
size="$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')"
[ "$size" = "0 0 1 0 0 0 1 0" ] || fail "the PNG icon's size bytes are '$size', not 256 x 256"
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || fail "the SVG icon is no SVG"
echo "desktop entry, icons and metadata of $id $version are valid"
