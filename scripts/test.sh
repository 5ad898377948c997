#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Tharnwell and runs every test: once in a normal build, in the
# caller's locale (the x11 label on a private X server), and once under AddressSanitizer and UndefinedBehaviorSanitizer,
# in a German locale (a decimal comma), so that no test leans on the machine's.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
jobs="$(nproc)"

echo "== build and test"
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== build and test under AddressSanitizer and UndefinedBehaviorSanitizer, with LC_ALL=de_DE.UTF-8"
scripts/build.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTHARNWELL_SANITIZE=ON \
    -DTHARNWELL_BUILD_BENCHMARKS=OFF
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
LC_ALL=de_DE.UTF-8 ctest --test-dir build-sanitize --output-on-failure -j "$jobs" -LE x11
