#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the build, the program and the tests need on Debian 12.
# Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev          # Qt 6 Widgets, Qt Test and the offscreen platform
    libsqlite3-dev        # SQLite, the workshop journal's file
    fonts-liberation      # Liberation Mono: Courier New's metrics
    fontconfig
    libgtest-dev          # unit tests
    libbenchmark-dev      # benchmarks
    valgrind              # the start-up benchmark counts instructions with callgrind
    dpkg-dev              # dpkg-shlibdeps: the Debian package's dependencies
    file                  # CPack reads the binaries' type before it asks dpkg-shlibdeps
    desktop-file-utils    # desktop-file-validate, for the desktop entry's test
    appstream             # appstreamcli, for the AppStream metadata's test
    lintian               # Debian's package checker, for the package's test
    devscripts            # hardening-check, for the package's test
    xvfb openbox x11-utils  # the keyboard's tests on a real X server with a window manager
    # The screen reader's view on that X server: the accessibility bus and
    # its registry, an AT-SPI client, and a private session bus to start them
    # on (dbus-run-session).
    at-spi2-core python3-pyatspi dbus-daemon
)

# The test command runs the suite once more under a German locale, whose
# decimal separator is a comma; make sure the system has that locale.
test_locale="de_DE.UTF-8"
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
    echo "Generating the locale $test_locale"
    as_root=""
    [ "$(id -u)" -ne 0 ] && as_root="sudo"
    if ! dpkg-query -W -f='${Status}' locales 2>/dev/null | grep -q "install ok installed"; then
        DEBIAN_FRONTEND=noninteractive $as_root apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends \
            locales >/dev/null
    fi
    if grep -q "^# *$test_locale UTF-8" /etc/locale.gen; then
        $as_root sed -i "s/^# *$test_locale UTF-8/$test_locale UTF-8/" /etc/locale.gen
    elif ! grep -q "^$test_locale UTF-8" /etc/locale.gen 2>/dev/null; then
        echo "$test_locale UTF-8" | $as_root tee -a /etc/locale.gen >/dev/null
    fi
    $as_root locale-gen >/dev/null
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
