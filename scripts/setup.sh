#!/usr/bin/env bash
# Installs what the build, the program and the tests need on Debian 12.
# Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev          # Qt 6 Widgets, Qt Test and the offscreen platform
    fonts-liberation      # Liberation Mono: Courier New's metrics
    fontconfig
    libgtest-dev          # unit tests
    libbenchmark-dev      # benchmarks
    dpkg-dev              # dpkg-shlibdeps: the Debian package's dependencies
    desktop-file-utils    # desktop-file-validate, for the desktop entry's test
    appstream             # appstreamcli, for the AppStream metadata's test
)

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
