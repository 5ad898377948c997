#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# command_line_test.sh THARNWELL VERSION
# What the program answers on its command line, and what it says when no
# display can be reached; none of it needs a display.
set -euo pipefail
source "$(dirname "$0")/common.sh"
program="$1" version="$2"

out="$(mktemp)" err="$(mktemp)"
trap 'rm -f "$out" "$err"' EXIT
failures=0

# run ENVIRONMENT ARGS...: runs the program without any display or platform
# from the caller, plus ENVIRONMENT (space-separated NAME=VALUE, or -), and
# keeps its exit status in actual_status.
run() {
    local environment="$1"
    shift
    local extra=()
    [ "$environment" = "-" ] || read -r -a extra <<<"$environment"
    actual_status=0
    env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE \
        "${extra[@]}" "$program" "$@" </dev/null >"$out" 2>"$err" || actual_status=$?
}

# check NAME STATUS STDOUT_PATTERN STDERR_PATTERN STDERR_LINES: the last run
# exited with STATUS, and each stream matches its extended regular expression
# (an empty pattern: the stream is empty); STDERR_LINES, unless -, is the
# number of lines on standard error.
check() {
    local name="$1" want_status="$2" want_out="$3" want_err="$4" err_lines="$5" problem=""
    [ "$actual_status" = "$want_status" ] ||
        problem+=" exit status $actual_status, not $want_status;"
    if [ -z "$want_out" ]; then
        [ ! -s "$out" ] || problem+=" standard output not empty;"
    else
        grep -Eq -- "$want_out" "$out" || problem+=" standard output lacks /$want_out/;"
    fi
    if [ -z "$want_err" ]; then
        [ ! -s "$err" ] || problem+=" standard error not empty;"
    else
        grep -Eq -- "$want_err" "$err" || problem+=" standard error lacks /$want_err/;"
    fi
    if [ "$err_lines" != "-" ] && [ "$(wc -l <"$err")" != "$err_lines" ]; then
        problem+=" $(wc -l <"$err") lines on standard error, not $err_lines;"
    fi
    if [ -n "$problem" ]; then
        echo "FAILED $name:$problem" >&2
        echo "--- standard output:" >&2 && cat "$out" >&2
        echo "--- standard error:" >&2 && cat "$err" >&2
        failures=$((failures + 1))
    else
        echo "ok $name"
    fi
}

escaped_version="${version//./\\.}"
help_lines="^Usage: .*tharnwell"

# The answers, with no display.
# name | environment | arguments || status | stdout | stderr | stderr lines
while IFS='|' read -r name environment arguments want_status want_out want_err err_lines; do
    [[ -z "$name" || "$name" == \#* ]] && continue
    read -r -a args <<<"$arguments"
    run "$environment" "${args[@]}"
    check "$name" "$want_status" "$want_out" "$want_err" "$err_lines"
done <<EOF_CASES
version|-|--version|0|^tharnwell ${escaped_version}\$||0
short version|-|-v|0|^tharnwell ${escaped_version}\$||0
help|-|--help|0|${help_lines}||0
short help|-|-h|0|${help_lines}||0
help names its options|-|--help|0|-v, --version||0
help names Qt's options as accepted|-|--help|0|-platform||0
help names the journal's option|-|--help|0|--journal <file>||0
journal without its file|-|--journal|2||Missing value after '--journal'|2
Qt's options are no unknown options|-|-platform offscreen -style Fusion -reverse -qwindowgeometry 100x100+0+0 -qwindowtitle T --version|0|^tharnwell ${escaped_version}\$||0
Qt's options after two dashes|-|--platform offscreen --style=Fusion --version|0|^tharnwell ${escaped_version}\$||0
unknown long option|-|--frobnicate|2||^tharnwell: Unknown option 'frobnicate'\.\$|2
unknown option gives the hint|-|--frobnicate|2||Try 'tharnwell --help'|2
unknown single-dash option|-|-x|2||^tharnwell: Unknown option 'x'\.\$|2
unknown option beside --version|-|--version --frobnicate|2||Unknown option 'frobnicate'|2
Qt option without its value|-|-platform|2||Missing value after '-platform'|2
stray argument|-|catalog.txt|2||^tharnwell: unexpected argument 'catalog\.txt'\.\$|2
no display|-||1||^tharnwell: no display found .*QT_QPA_PLATFORM=offscreen|1
unreachable X display|DISPLAY=:65534||1||^tharnwell: no display could be reached \(DISPLAY=:65534\).*QT_QPA_PLATFORM=offscreen|1
unknown platform in the environment|QT_QPA_PLATFORM=nosuchplatform||1||^tharnwell: the windowing system 'nosuchplatform' could not be started.*offscreen|1
unknown platform on the command line|-|-platform nosuchplatform|1||^tharnwell: the windowing system 'nosuchplatform' could not be started.*offscreen|1
EOF_CASES

# The help lists only the program's own options, not Qt's hidden ones.
run - --help
if grep -q -- '-platformpluginpath\|-qwindowicon' "$out"; then
    echo "FAILED help lists Qt's hidden options" >&2
    failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] || fail "$failures case(s) failed"
