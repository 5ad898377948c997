# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the installation tests: failing with a reason, skipping, and
# installing into a temporary prefix.

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# Exit status 77 tells CTest the test was skipped.
skip_without() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIPPED: $tool is not installed (scripts/setup.sh installs it)"
            exit 77
        fi
    done
}

# expected_files LIST KIND: the files that LIST expects of KIND (install or
# package), one a line, in a fixed order.
expected_files() {
    grep -v -e '^#' -e '^$' "$1" | awk -v kind="$2" 'NF == 1 || $2 == kind { print $1 }' |
        LC_ALL=C sort
}

# install_into CMAKE BUILD_DIR PREFIX: installs the build into PREFIX.
install_into() {
    local log
    log="$(env -u DESTDIR "$1" --install "$2" --prefix "$3" 2>&1)" ||
        fail "cmake --install failed: $log"
}

# unneeded_sections PROGRAM: which of the sections that a stripped program
# goes without (debugging information, the compiler's .comment and .note)
# PROGRAM still has, on one line.
unneeded_sections() {
    readelf -SW "$1" | grep -oE ' \.(debug_info|comment|note) ' | tr -d ' ' | tr '\n' ' ' || true
}
