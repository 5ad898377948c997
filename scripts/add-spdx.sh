#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence line at the top of every tracked source file that lacks it:
# C++ sources and headers, CMake files and shell scripts (after the #! line of
# a script). Files that already have an SPDX line at the top keep theirs, so
# running it again changes nothing. Run it after adding files.
#   scripts/add-spdx.sh           add the line where it is missing
#   scripts/add-spdx.sh --check   change nothing; list the files that lack it
#                                 and exit 1 if any do (77: no git checkout)
set -euo pipefail
licence="SPDX-License-Identifier: GPL-3.0-or-later"

# comment_of FILE: the comment marker of the file's language, or nothing for
# a file that is no source.
comment_of() {
    case "$1" in
        *.h | *.cpp) echo "//" ;;
        CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh) echo "#" ;;
        *) if head -n 1 "$1" | grep -Eq '^#!.*\b(ba)?sh\b'; then echo "#"; fi ;;
    esac
}

# add_line FILE COMMENT PLACE: inserts the line so that it becomes line PLACE.
add_line() {
    local text
    text="$(mktemp)"
    {
        head -n $(($3 - 1)) "$1"
        echo "$2 $licence"
        tail -n +"$3" "$1"
    } >"$text"
    cat "$text" >"$1" # keeps the file's mode
    rm -f "$text"
}

# The whole work is one function, called and followed by exit on one line:
# bash reads that line in full before it runs, and the script may be one of
# the files it changes.
main() {
    local check=false files file comment place lacking=0
    case "${1:-}" in
        --check) check=true ;;
        "") ;;
        *) echo "usage: $0 [--check]" >&2 && return 2 ;;
    esac
    cd "$(dirname "$0")/.."
    if ! files="$(git ls-files 2>/dev/null)"; then
        echo "$PWD is no git checkout: its tracked files are unknown" >&2
        if $check; then return 77; else return 1; fi
    fi

    while IFS= read -r file; do
        [ -f "$file" ] || continue
        comment="$(comment_of "$file")"
        [ -n "$comment" ] || continue
        # The line's place: the first line, or the second after a #! line.
        place=1
        if head -n 1 "$file" | grep -q '^#!'; then place=2; fi
        if sed -n "${place}p" "$file" | grep -q "^$comment SPDX-License-Identifier: "; then
            continue
        fi
        lacking=$((lacking + 1))
        if $check; then
            echo "$file lacks '$comment $licence' on line $place" >&2
        else
            add_line "$file" "$comment" "$place"
            echo "added the licence line to $file"
        fi
    done <<<"$files"

    if $check; then
        if [ "$lacking" -gt 0 ]; then
            echo "$lacking file(s) lack the licence line: run scripts/add-spdx.sh" >&2
            return 1
        fi
        echo "every source file carries the licence line"
    fi
}

main "$@"; exit
