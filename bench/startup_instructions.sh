#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# startup_instructions.sh [BUILD_DIR]: instructions from start to exit of the
# bare window (startup_bare) and of tharnwell-driver with an empty script,
# each counted by valgrind's callgrind, and their ratio. Both show their
# window, paint it once and exit, offscreen, in the same fixed environment, so
# the counts do not drift with the machine's load. The callgrind files stay
# in BUILD_DIR/bench/startup-callgrind/ for callgrind_annotate.
set -euo pipefail

build="${1:-build}"
bare="$build/bench/startup_bare"
driver="$build/tools/driver/tharnwell-driver"
for program in "$bare" "$driver"; do
    [[ -x "$program" ]] || {
        echo "startup_instructions: $program is missing; build the targets startup_bare and tharnwell-driver" >&2
        exit 1
    }
done
command -v valgrind >/dev/null || {
    echo "startup_instructions: valgrind is missing (apt-get install valgrind)" >&2
    exit 1
}

out="$build/bench/startup-callgrind"
mkdir -p "$out"
runtime="$(mktemp -d)"
trap 'rm -rf "$runtime"' EXIT

# One environment for both: the offscreen platform, a fixed locale, a fixed
# hash seed and a private runtime folder, nothing else of the caller's.
run() {
    local name="$1"
    shift
    env -i PATH="$PATH" HOME="${HOME:-/tmp}" LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen \
        QT_HASH_SEED=0 XDG_RUNTIME_DIR="$runtime" \
        valgrind --tool=callgrind --callgrind-out-file="$out/$name.out" "$@" \
        </dev/null >"$out/$name.log" 2>&1 || {
        echo "startup_instructions: $name failed; see $out/$name.log" >&2
        exit 1
    }
    # The file's totals line: the instructions of the whole run.
    awk '/^(summary|totals):/ { print $2; exit }' "$out/$name.out"
}

bare_count="$(run bare "$bare")"
driver_count="$(run driver "$driver")"
awk -v bare="$bare_count" -v ours="$driver_count" 'BEGIN {
    printf "bare window:                  %14d instructions (%.1f M)\n", bare, bare / 1e6
    printf "tharnwell-driver, no script:  %14d instructions (%.1f M)\n", ours, ours / 1e6
    printf "ratio: %.3f\n", ours / bare
}'
echo "callgrind files: $out/{bare,driver}.out (callgrind_annotate --inclusive=yes FILE)"
