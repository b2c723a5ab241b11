#!/usr/bin/env python3
"""A start on Wayland: under weston without a screen (its headless backend), the calculator
starts and stays up without a word on its output, and there, where no client can keep itself
above the others, its always-on-top item is disabled and Ctrl+T does nothing."""

import os
import shutil
import subprocess
import tempfile
import time

from desktop import Failure, arguments, expect, main, need, stop, wait_for

STAY_UP = 3.0  # seconds the calculator must stay up


def test():
    args = arguments(__doc__)
    need("weston")
    tmp = tempfile.mkdtemp(prefix="calc-wayland-")
    runtime = os.path.join(tmp, "runtime")
    os.mkdir(runtime, 0o700)
    socket = "calc-test-%d" % os.getpid()
    env = {
        "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
        "HOME": tmp,
        "LANG": "C.UTF-8",
        "XDG_RUNTIME_DIR": runtime,
        "XDG_CONFIG_HOME": os.path.join(tmp, "config"),
        "DBUS_SESSION_BUS_ADDRESS": "unix:path=" + os.path.join(tmp, "no-bus"),
    }
    weston = calculator = None
    try:
        weston_log = open(os.path.join(tmp, "weston.log"), "w+")
        weston = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", "--socket=" + socket, "--idle-time=0"],
            env=env, stdout=weston_log, stderr=subprocess.STDOUT)
        wait_for("weston", lambda: weston.poll() is not None or
                 os.path.exists(os.path.join(runtime, socket)))
        expect(weston.poll() is None, "weston did not start")
        client = dict(env, WAYLAND_DISPLAY=socket, QT_QPA_PLATFORM="wayland")

        calculator = subprocess.Popen([os.path.join(args.bin, "calculator")], env=client,
                                      stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                      text=True)
        time.sleep(STAY_UP)
        alive = calculator.poll() is None
        stop(calculator)
        output = calculator.communicate()[0]
        expect(alive, "the calculator ended on Wayland:\n" + output)
        expect(output == "", "the calculator wrote on Wayland:\n" + output)

        probe = subprocess.run([os.path.join(args.bin, "window-probe")], env=client,
                               capture_output=True, text=True, timeout=60)
        expect(probe.returncode == 0, "window-probe failed: " + probe.stderr)
        report = probe.stdout.split("\n")
        expect("menu-item disabled" in report,
               "the always-on-top item is not disabled on Wayland: " + probe.stdout)
        expect("ctrl-t ignored" in report, "Ctrl+T switches on Wayland: " + probe.stdout)
    finally:
        stop(calculator)
        stop(weston)
        shutil.rmtree(tmp, ignore_errors=True)


if __name__ == "__main__":
    main(test)
