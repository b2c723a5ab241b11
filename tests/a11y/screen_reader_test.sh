#!/usr/bin/env bash
# The calculator as a screen reader finds it: on a private session bus, the client in
# screen_reader_client.py starts its own X server, the accessibility bus and the program, and
# reads and presses the keys through the AT-SPI registry. Usage: screen_reader_test.sh CALCULATOR FACE_MAP
set -euo pipefail

if [[ $# -ne 2 || ! -x $1 || ! -x $2 ]]; then
    echo "usage: $0 CALCULATOR FACE_MAP" >&2
    exit 2
fi
# Debian's own Python: the AT-SPI bindings (python3-gi, gir1.2-atspi-2.0) are installed for it.
# The time limit ends the bus and everything under it, should the client itself hang.
exec timeout --kill-after=5 50 dbus-run-session -- \
    /usr/bin/python3 "$(dirname "$0")/screen_reader_client.py" "$1" "$2"
