#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# on_x11.sh PROGRAM [ARGS...]: runs PROGRAM against a private X server (Xvfb)
# with a window manager (openbox), on Qt's xcb platform, as a person's
# desktop would have it: X11's key scheme, windows shown and activated by
# the window manager. Waits for the server and the manager, never guesses.
set -euo pipefail

for tool in Xvfb openbox xprop; do
    command -v "$tool" >/dev/null || { echo "on_x11: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done

work="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number once it takes clients.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
if ! read -r -t 20 number <"$work/display"; then
    echo "on_x11: Xvfb did not start" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$number"

# The window manager announces itself on the root window once it manages.
# Another X server starting meanwhile, probing display numbers, can make the
# first connection to a new server fail now and then: a manager that gave up
# is started again.
managed=""
for _ in 1 2 3; do
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    manager=$!
    pids+=($manager)
    for _ in $(seq 200); do
        if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
            managed=yes
            break 2
        fi
        kill -0 "$manager" 2>/dev/null || break
        sleep 0.05
    done
done
if [ -z "$managed" ]; then
    echo "on_x11: openbox did not take the display" >&2
    cat "$work/openbox.log" >&2
    exit 1
fi

# No desktop environment: Qt's generic X11 theme and key scheme.
export QT_QPA_PLATFORM=xcb
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
"$@"
