#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Tharnwell and opens its window. With no display, draws the opening
# window offscreen and saves it as a PNG instead. Builds only what it runs;
# scripts/test.sh builds the tests and the benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

no_display=false
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    no_display=true
fi
targets=(tharnwell)
if $no_display; then targets+=(tharnwell-driver); fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target "${targets[@]}"

if $no_display; then
    picture="$PWD/build/tharnwell-window.png"
    echo "No display found: drawing the opening window offscreen instead."
    echo "screenshot $picture" | QT_QPA_PLATFORM=offscreen build/tools/driver/tharnwell-driver 2>/dev/null
    echo "$picture"
    exit 0
fi
exec build/app/tharnwell
