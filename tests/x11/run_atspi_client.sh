#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# run_atspi_client.sh PROGRAM WEAPON_SNAPSHOT: runs the AT-SPI client test
# (atspi_client_test.py) in a private D-Bus session, where the client's first
# question starts the accessibility bus and its registry. Run it on an X
# server: on_x11.sh run_atspi_client.sh ...
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

for tool in dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "run_atspi_client: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done
# Debian's pyatspi belongs to Debian's own Python, which may not be the first
# python3 on the path.
python=""
for candidate in /usr/bin/python3 python3; do
    if "$candidate" -c 'import pyatspi' 2>/dev/null; then
        python="$candidate"
        break
    fi
done
[ -n "$python" ] || { echo "run_atspi_client: python3-pyatspi is missing (scripts/setup.sh installs it)" >&2; exit 1; }

exec dbus-run-session -- "$python" "$here/atspi_client_test.py" "$@"
