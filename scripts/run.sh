#!/usr/bin/env bash
# Builds Tharnwell and opens its window. With no display, draws the opening
# window offscreen and saves it as a PNG instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    picture="$PWD/build/tharnwell-window.png"
    echo "No display found: drawing the opening window offscreen instead."
    echo "screenshot $picture" | QT_QPA_PLATFORM=offscreen build/tools/driver/tharnwell-driver 2>/dev/null
    echo "$picture"
    exit 0
fi
exec build/app/tharnwell
