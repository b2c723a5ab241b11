#!/usr/bin/env bash
# What a blind user hears from the calculator: the real Orca screen reader, on a private
# session bus, with its own X server, accessibility bus and speech-dispatcher (see
# orca_session_test.py). Usage: orca_session_test.sh CALCULATOR [--record FILE]
set -euo pipefail

if [[ $# -lt 1 || ! -x $1 ]]; then
    echo "usage: $0 CALCULATOR [--record FILE]" >&2
    exit 2
fi
# Debian's own Python, for which Orca and the AT-SPI bindings are installed. The time limit
# ends the bus and everything under it, should the session itself hang.
exec timeout --kill-after=10 285 dbus-run-session -- \
    /usr/bin/python3 "$(dirname "$0")/orca_session_test.py" "$@"
