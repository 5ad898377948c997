#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Rewrites the checked-in text of every list (tests/snapshots/*.txt) from the
# program's own catalogs, after a deliberate change of the data. Review the
# difference with `git diff tests/snapshots` before committing it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ ! -f build/build.ninja ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build --target snapshot_test
THARNWELL_UPDATE_SNAPSHOTS=1 build/tests/unit/snapshot_test --gtest_brief=1
git diff --stat -- tests/snapshots || true
