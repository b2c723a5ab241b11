"""A desktop with the real Orca screen reader on it, for the tests: Xvfb, openbox, the AT-SPI
bus, speech-dispatcher with no sound device and Orca 43 with its own settings, all in a
temporary home. What Orca speaks is read from its debug file ("SPEECH OUTPUT: '...'").

Must run on a private session bus (orca_session_test.sh starts it under dbus-run-session).
Everything it starts it ends, also when a check fails.
"""

import os
import random
import re
import shutil
import signal
import subprocess
import tempfile
import time

from display_line import read_display_line

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))

# Limits, never waits: a passing run waits only until the thing is there. Orca takes seconds
# to settle, more on a 2-core machine whose cores are busy elsewhere.
START = 60.0
SPEAK = 20.0

# Orca logs "SPEECH OUTPUT: 'words'" and then the voice: " {...}" for a key's echo (whose
# words end in a blank), "{...}" or "[{...}]" otherwise, maybe " voice=NAME" before it.
# The screen reader and the accessibility bus run ahead of other work, as a user's desktop gives
# them the time they need: Qt waits only a moment for the screen reader to say whether it takes
# a key, and on a machine whose cores are busy elsewhere a late answer lets Orca's own keys
# (where-am-I, flat review) reach the calculator as well. Without the right to raise them
# (nice fails), they run as they are.
FIRST = ["nice", "-n", "-10"] if os.geteuid() == 0 else []

SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\S+)?\s*(?:\[?\{.*)?$")


class Failure(Exception):
    pass


class DesktopFailure(Failure):
    """The desktop itself did not come up: nothing of the program under test was tried."""


def wait_for(what, condition, timeout, step=0.05):
    end = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > end:
            raise Failure("timed out waiting for " + what)
        time.sleep(step)


def spoken_words(line):
    """The words of one SPEECH OUTPUT line, without the voice Orca logs after them."""
    match = SPOKEN.search(line)
    return None if match is None else match.group(1).strip()


class OrcaDesktop:
    """Use as a context manager; start_orca() and start_program() in the order wanted."""

    def __init__(self):
        for program in ("Xvfb", "openbox", "xdotool", "xprop", "speech-dispatcher", "orca"):
            if shutil.which(program) is None:
                raise Failure(f"missing {program}: run scripts/deps test")
        self.tmp = tempfile.mkdtemp(prefix="calc-orca-")
        self.started = []
        self.debug_path = os.path.join(self.tmp, "orca-debug.txt")
        self.read_upto = 0  # lines of Orca's debug file already taken by a step
        self.servers = 0  # how many of the programs started are the desktop's own

    def __enter__(self):
        try:
            self._start_desktop()
        except Failure as failure:
            report = self.logs()
            self.__exit__(None, None, None)
            raise DesktopFailure(f"{failure}; " + " | ".join(report)) from None
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exc):
        for process in reversed(self.started):
            self._stop(process)
        shutil.rmtree(self.tmp, ignore_errors=True)
        return False

    # ---- starting ---------------------------------------------------------------------------
    def _start(self, command, log_name, **options):
        log = open(os.path.join(self.tmp, log_name), "w")
        process = subprocess.Popen(command, start_new_session=True, stdout=log,
                                   stderr=subprocess.STDOUT, env=self.env, **options)
        process.log_name = log_name
        self.started.append(process)
        return process

    @staticmethod
    def _stop(process):
        for sig, grace in ((signal.SIGTERM, 5), (signal.SIGKILL, 5)):
            try:
                os.killpg(process.pid, sig)
            except ProcessLookupError:
                pass
            try:
                process.wait(grace)
                return
            except subprocess.TimeoutExpired:
                continue

    def _start_desktop(self):
        home = os.path.join(self.tmp, "home")
        runtime = os.path.join(self.tmp, "runtime")
        os.mkdir(home)
        os.mkdir(runtime, 0o700)  # private to its owner, as Qt and speech-dispatcher want it
        # Nothing of the machine's own settings: Orca's, speech-dispatcher's and Qt's are all
        # read from this home.
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": home,
            "LANG": "C.UTF-8",
            "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "DBUS_SESSION_BUS_ADDRESS": os.environ["DBUS_SESSION_BUS_ADDRESS"],
            
        }
        self.env["DISPLAY"] = self._start_x_server()
        # New windows are not given the keyboard by the window manager: the test activates
        # the program's window once the program is on the accessibility bus, so Orca cannot
        # miss the activation (a window active before its program joined the bus says nothing).
        rc = os.path.join(self.env["XDG_CONFIG_HOME"], "openbox", "rc.xml")
        os.makedirs(os.path.dirname(rc))
        with open(rc, "w") as f:
            f.write('<openbox_config xmlns="http://openbox.org/3.4/rc">'
                    "<focus><focusNew>no</focusNew></focus></openbox_config>\n")
        self._start("openbox", "openbox.log")
        wait_for("openbox", self._window_manager_up, START)
        self._start_accessibility_bus()
        self._start_speech_dispatcher()

    def _start_x_server(self):
        # A display number drawn at random from a wide range, not the lowest free one: other
        # test runs on this machine start X servers too, and two that pick the same number at
        # the same moment lose one of them. One taken already fails at once: the next is tried.
        numbers = random.Random().sample(range(100, 30000), 20)
        for number in numbers:
            if os.path.exists(f"/tmp/.X{number}-lock"):
                continue
            read_end, write_end = os.pipe()
            # -noreset: the server stays up when its last client leaves (xprop, the bus
            # launcher), or a program connecting at that moment is refused.
            xvfb = self._start(["Xvfb", f":{number}", "-displayfd", str(write_end), "-noreset",
                                "-nolisten", "tcp", "-screen", "0", "800x600x24"], "xvfb.log",
                               pass_fds=(write_end,))
            os.close(write_end)
            line = self._read_line(read_end)
            if line:
                return ":" + line
            self.started.remove(xvfb)
            self._stop(xvfb)
        raise Failure("Xvfb found no free display")

    @staticmethod
    def _read_line(read_end):
        return read_display_line(read_end, START)

    def _window_manager_up(self):
        done = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                              capture_output=True, text=True, timeout=30)
        return "_NET_SUPPORTING_WM_CHECK(WINDOW)" in done.stdout

    def _start_accessibility_bus(self):
        self._start([*FIRST, "/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                    "atspi.log")
        session = Gio.bus_get_sync(Gio.BusType.SESSION, None)

        def owned():
            reply = session.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                      "org.freedesktop.DBus", "NameHasOwner",
                                      GLib.Variant("(s)", ("org.a11y.Bus",)),
                                      GLib.VariantType("(b)"), Gio.DBusCallFlags.NONE, 5000,
                                      None)
            return reply.unpack()[0]

        wait_for("the accessibility bus", owned, START)
        Atspi.init()

    def _start_speech_dispatcher(self):
        # Debian's configuration, its sound sent to ALSA's null device; the dummy module
        # stands for a synthesizer (Orca logs what it sends all the same).
        conf = os.path.join(self.tmp, "speechd")
        shutil.copytree("/etc/speech-dispatcher", conf)
        with open(os.path.join(conf, "speechd.conf"), "a") as f:
            f.write('\nAudioOutputMethod "alsa"\nAudioALSADevice "null"\n'
                    'AddModule "dummy" "sd_dummy" ""\nDefaultModule "dummy"\n')
        socket = os.path.join(self.tmp, "speechd.sock")
        self._start(["speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir",
                     conf, "--communication-method", "unix_socket", "--socket-path", socket],
                    "speechd.log")
        wait_for("speech-dispatcher", lambda: os.path.exists(socket), START)
        self.env["SPEECHD_ADDRESS"] = "unix_socket:" + socket

    def start_orca(self):
        """Orca with speech and key echo on (its first start writes its settings here)."""
        launcher = os.path.join(HERE, "orca_launcher.py")
        self.orca = self._start([*FIRST, "/usr/bin/python3", launcher, self.debug_path, "--enable",
                                 "speech,key-echo", "--disable", "braille"], "orca.log")
        # Ready once it has said so, through its speech server.
        wait_for("Orca's speech server", lambda: any(
            "SPEECH: Using speech server factory:" in line and "speechdispatcher" in line
            for line in self.debug_lines()), START)
        wait_for("Orca to start", lambda: self._in_debug("ORCA: Starting ATSPI registry."),
                 START)
        self.read_upto = len(self.debug_lines())

    def start_program(self, program, extra_env=None):
        self.servers = len(self.started)
        env = dict(self.env, QT_QPA_PLATFORM="xcb", **(extra_env or {}))
        log = open(os.path.join(self.tmp, "program.log"), "w")
        process = subprocess.Popen([program], env=env, stdout=log, stderr=subprocess.STDOUT,
                                   start_new_session=True)
        process.log_name = "program.log"
        self.started.append(process)
        window = wait_for("the program's window", lambda: self._window_of(process), START)
        wait_for("the program on the accessibility bus", lambda: self._on_bus(process), START)
        self.xdotool("windowactivate", "--sync", window)
        return process, window

    @staticmethod
    def _on_bus(process):
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            try:
                if app is not None and app.get_process_id() == process.pid:
                    return app.get_child_count() > 0
            except GLib.Error:
                continue  # an application leaving the bus
        return False

    def _window_of(self, process):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(process.pid)],
                               env=self.env, capture_output=True, text=True, timeout=30)
        ids = found.stdout.split()
        return ids[0] if ids else None

    # ---- reading what is spoken ------------------------------------------------------------
    def debug_lines(self):
        try:
            with open(self.debug_path, encoding="utf-8", errors="replace") as f:
                return f.read().splitlines()
        except FileNotFoundError:
            return []

    def _in_debug(self, text):
        return any(text in line for line in self.debug_lines())

    def spoken_since(self, upto):
        """(words spoken from debug line `upto` on, debug lines read)."""
        lines = self.debug_lines()
        words = [w for w in map(spoken_words, lines[upto:]) if w is not None]
        return words, len(lines)

    def wait_found(self, name):
        """Waits until Orca has spoken the name of the window it found; returns the debug line
        after it."""
        return wait_for(f"Orca to speak {name!r}",
                        lambda: self._spoken_at(lambda w: w.startswith(name)), START)

    def _spoken_at(self, predicate):
        lines = self.debug_lines()
        for i in range(self.read_upto, len(lines)):
            words = spoken_words(lines[i])
            if words is not None and predicate(words):
                return i + 1
        return None

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True, timeout=30)

    def keys(self, keys):
        for key in keys:
            self.xdotool("key", "--clearmodifiers", key)

    def servers_lost(self):
        """The desktop's own programs (X server, window manager, buses, speech, Orca) that
        ended during the session: none of them may, so a run that lost one says nothing of
        the program under test."""
        return [p.log_name for p in self.started[:self.servers] if p.poll() is not None]

    def logs(self):
        """The tail of each desktop program's own output, for a failure's report."""
        out = []
        for p in self.started:
            path = os.path.join(self.tmp, p.log_name)
            state = "running" if p.poll() is None else f"ended ({p.returncode})"
            out.append(f"{p.log_name}: {state}")
            try:
                with open(path, errors="replace") as f:
                    out += ["  " + line.rstrip()[:200] for line in f.readlines()[-5:]]
            except OSError:
                pass
        return out

    def orca_problems(self):
        return [line for line in self.debug_lines() if "bad content sent to speak" in line]
