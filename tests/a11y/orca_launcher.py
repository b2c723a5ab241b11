"""Orca as `orca --debug-file FILE` runs it, with two differences that a test needs: the debug
file is line-buffered (Orca's own is block-buffered and loses its tail when Orca is stopped),
and other users' Orcas on this machine are no reason to refuse to start (this one has its own
session bus and accessibility bus, so it cannot meet them).
Usage: orca_launcher.py DEBUG_FILE [ORCA OPTIONS]
"""

import runpy
import sys

from orca import debug

debug_file = sys.argv[1]
sys.argv = ["orca"] + sys.argv[2:]
# Orca's own command, loaded without running it, so that its start can be changed first.
orca_command = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")
main = orca_command["main"]
main.__globals__["otherOrcas"] = lambda: []
debug.debugLevel = debug.LEVEL_ALL
debug.debugFile = open(debug_file, "w", buffering=1, encoding="utf-8")
sys.exit(main())
