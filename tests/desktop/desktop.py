"""The calculator on a real X desktop for the tests: an Xvfb server of its own with the openbox
window manager, the real calculator window in it, driven through xdotool and read back through
xwininfo and xprop. Each session picks a free display number and removes everything it started.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

FACE = (236, 200)


class Failure(Exception):
    pass


def arguments(description):
    parser = argparse.ArgumentParser(description=description)
    parser.add_argument("--bin", required=True, help="folder of the built programs")
    parser.add_argument("--seed", type=int, default=11, help="seed of a randomized run")
    return parser.parse_args()


def need(*programs):
    missing = [p for p in programs if shutil.which(p) is None]
    if missing:
        raise Failure("missing %s: run scripts/deps test" % " ".join(missing))


def run(*command, check=True):
    done = subprocess.run(command, capture_output=True, text=True, timeout=30)
    if check and done.returncode != 0:
        raise Failure("%s failed: %s" % (" ".join(command), done.stderr.strip()))
    return done


# Limits, not waits: a passing run waits only until the thing is there. They are long enough
# for a 2-core machine whose cores are both busy with other work.
def wait_for(what, condition, timeout=30.0, step=0.05):
    end = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > end:
            raise Failure("timed out waiting for " + what)
        time.sleep(step)


def stop(process):
    if process is None or process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


class Desktop:
    """Xvfb and openbox; use as a context manager."""

    def __init__(self):
        need("Xvfb", "openbox", "xdotool", "xwininfo", "xprop")
        self.tmp = tempfile.mkdtemp(prefix="calc-desktop-")
        self.xvfb = self.wm = None
        self.programs = []

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def _start(self):
        runtime = os.path.join(self.tmp, "runtime")
        os.mkdir(runtime, 0o700)
        # A window manager refused by a server that another one's test took or reset at that
        # moment gets a new server; a third refusal is a fault.
        for attempt in range(3):
            try:
                return self._start_servers(runtime)
            except Failure as failure:
                if "openbox ended at start" not in str(failure) or attempt == 2:
                    raise
                stop(self.wm)
                stop(self.xvfb)

    def _start_servers(self, runtime):
        number = self._start_xvfb()
        # The same plain environment for the window manager, the tools and the calculator:
        # nothing from the machine's desktop settings, and no session bus.
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": self.tmp,
            "LANG": "C.UTF-8",
            "DISPLAY": ":" + number,
            "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_HOME": os.path.join(self.tmp, "config"),
            "DBUS_SESSION_BUS_ADDRESS": "unix:path=" + os.path.join(self.tmp, "no-bus"),
        }
        self.wm_log = open(os.path.join(self.tmp, "openbox.log"), "w+")
        self.wm = subprocess.Popen(["openbox"], env=self.env, stdout=self.wm_log,
                                   stderr=subprocess.STDOUT)

        def wm_ready():
            if self.wm.poll() is not None:
                self.wm_log.seek(0)
                raise Failure("openbox ended at start: " + self.wm_log.read().strip())
            return "_NET_SUPPORTING_WM_CHECK(WINDOW)" in self.x(
                "xprop", "-root", "_NET_SUPPORTING_WM_CHECK", check=False).stdout

        wait_for("openbox", wm_ready)

    def _start_xvfb(self):
        # A free display number from 20 on: clear of a real desktop's and of the default
        # display that programs started without one fall back to.
        for number in range(20, 100):
            if os.path.exists("/tmp/.X%d-lock" % number):
                continue
            read_end, write_end = os.pipe()
            self.xvfb = subprocess.Popen(
                ["Xvfb", ":%d" % number, "-displayfd", str(write_end), "-screen", "0",
                 "1024x768x24", "-nolisten", "tcp", "-noreset"],
                pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            os.close(write_end)
            with os.fdopen(read_end) as pipe:
                ready = pipe.readline().strip()
            if ready:
                return ready
            self.xvfb.wait()  # taken meanwhile: the next one
        raise Failure("Xvfb found no free display")

    def __exit__(self, *exc):
        for p in self.programs:
            stop(p)
        stop(self.wm)
        stop(self.xvfb)
        shutil.rmtree(self.tmp, ignore_errors=True)
        return False

    def x(self, *command, check=True):
        done = subprocess.run(command, capture_output=True, text=True, timeout=30, env=self.env)
        if check and done.returncode != 0:
            raise Failure("%s failed: %s" % (" ".join(command), done.stderr.strip()))
        return done

    def xdotool(self, *args):
        return self.x("xdotool", *[str(a) for a in args]).stdout

    def start(self, program, extra_env=None):
        env = dict(self.env, QT_QPA_PLATFORM="xcb", **(extra_env or {}))
        log = open(os.path.join(self.tmp, "calculator-%d.log" % len(self.programs)), "w+")
        process = subprocess.Popen([program], env=env, stdout=log, stderr=subprocess.STDOUT)
        process.log = log
        self.programs.append(process)
        return Calculator(self, process)


class Calculator:
    """The calculator's process and its window."""

    def __init__(self, desktop, process):
        self.desktop = desktop
        self.process = process
        self.window = wait_for("the calculator's window", self._find_while_alive)
        desktop.xdotool("windowactivate", "--sync", self.window)
        self.settle()

    def _find_while_alive(self):
        # A program that ended will never show its window: say so at once, with its words.
        if not self.alive():
            raise Failure("the calculator ended at start (%s): %s" %
                          (self.process.returncode, self.output().strip()))
        return self._find()

    def _find(self):
        found = self.desktop.x("xdotool", "search", "--onlyvisible", "--pid",
                               str(self.process.pid), "--name", "^Calculator$", check=False)
        ids = found.stdout.split()
        return ids[0] if len(ids) == 1 else None

    def alive(self):
        return self.process.poll() is None

    def output(self):
        self.process.log.flush()
        self.process.log.seek(0)
        return self.process.log.read()

    def shown_windows(self):
        """The program's mapped windows: its face, and its menu while one is open."""
        found = self.desktop.x("xdotool", "search", "--onlyvisible", "--pid",
                               str(self.process.pid), check=False)
        return found.stdout.split()

    def geometry(self, window=None):
        """(x, y, width, height) of the window (or another of the program's) on the screen."""
        info = self.desktop.x("xwininfo", "-id", window or self.window).stdout
        field = lambda name: int(re.search(name + r":\s+(-?\d+)", info).group(1))
        return (field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"),
                field("Height"))

    def position(self):
        return self.geometry()[:2]

    def settle(self, reads=2, timeout=3.0):
        """Waits until the window stands still for `reads` looks in a row; returns where."""
        time.sleep(0.03)
        last, same = self.position(), 1
        end = time.monotonic() + timeout
        while same < reads and time.monotonic() < end:
            time.sleep(0.03)
            now = self.position()
            same = same + 1 if now == last else 1
            last = now
        return last

    def settle_after_drag(self):
        """As settle, but long enough for a window manager that is slow to end a move."""
        return self.settle(reads=5)

    def net_wm_state(self):
        text = self.desktop.x("xprop", "-id", self.window, "_NET_WM_STATE").stdout
        return set(re.findall(r"_NET_WM_STATE_\w+", text))

    def point(self, x, y):
        """A point of the face in screen coordinates."""
        left, top = self.position()
        return left + x, top + y

    def drag(self, button, start, steps, step_delay=0.03):
        """Presses button at a point of the face, moves by each step, releases."""
        xd = self.desktop.xdotool
        xd("mousemove", *self.point(*start))
        time.sleep(step_delay)
        xd("mousedown", button)
        for dx, dy in steps:
            time.sleep(step_delay)
            xd("mousemove_relative", "--", dx, dy)
        time.sleep(step_delay)
        xd("mouseup", button)

    def quit(self):
        self.desktop.xdotool("key", "ctrl+q")
        try:
            return self.process.wait(timeout=15)
        except subprocess.TimeoutExpired:
            raise Failure("Ctrl+Q did not end the calculator")


def main(body):
    """Runs a test body, printing its failure, and exits 0 or 1."""
    try:
        body()
    except Failure as failure:
        print("FAILED:", failure, file=sys.stderr)
        sys.exit(1)
    print("passed")


def expect(condition, message):
    if not condition:
        raise Failure(message)
