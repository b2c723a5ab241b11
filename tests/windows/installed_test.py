#!/usr/bin/env python3
"""The Windows installer under wine, on Xvfb with openbox: installs silently into a fresh wine
prefix, starts the installed calculator and compares its first frame with the Linux build's
at 100 %, 150 % and 200 % (wine's LogPixels), clicks 7 + 8 ENTER and types 6*7 Enter against
the Linux build's screen after the same, drags the face, opens the face menu, copies to the
X clipboard with Ctrl+C and ends with Ctrl+Q; then uninstalls silently and finds nothing left.
Last, it times the start beside a bare Qt window built the same way."""

import argparse
import os
import pwd
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "desktop"))
sys.path.insert(0, HERE)

import xwd  # noqa: E402
from desktop import Desktop, Failure, expect, main, need, wait_for  # noqa: E402
from random_run_test import read_face_map  # noqa: E402

APP_ID = "org.skincalc.Calculator"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall" + "\\" + APP_ID
BARE_FACE = (100, 5)  # the title strip: no key, caption or lamp
SCALES = [(1.0, 96), (1.5, 144), (2.0, 192)]


def arguments():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--installer", required=True)
    parser.add_argument("--bare-window", required=True, help="bare-window.exe of the build")
    parser.add_argument("--linux-bin", required=True, help="the Linux build's bin folder")
    parser.add_argument("--keep", help="folder for the screenshots")
    return parser.parse_args()


class Wine:
    """A fresh wine prefix of its own, on the desktop's display."""

    def __init__(self, desktop):
        self.desktop = desktop
        self.prefix = os.path.join(desktop.tmp, "wine")
        self.env = dict(desktop.env, WINEPREFIX=self.prefix, WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=")
        self.run("wineboot", "--init")
        self.wait()

    def run(self, *command, timeout=240):
        done = subprocess.run(command, capture_output=True, text=True, timeout=timeout,
                              env=self.env)
        if done.returncode != 0:
            raise Failure("%s failed (%d): %s" % (" ".join(command), done.returncode,
                                                  done.stderr.strip()[-2000:]))
        return done.stdout

    def wait(self):
        """Until every program of the prefix has ended (an uninstaller runs on from a copy)."""
        self.run("wineserver", "--wait")

    def start(self, program):
        return subprocess.Popen(["wine", program], env=self.env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)

    def unix(self, path):
        return os.path.join(self.prefix, "drive_c", path.replace("\\", "/"))

    def set_dpi(self, dpi):
        self.run("wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t",
                 "REG_DWORD", "/d", str(dpi), "/f")
        self.wait()

    def key_exists(self, key):
        return subprocess.run(["wine", "reg", "query", key], capture_output=True,
                              env=self.env, timeout=120).returncode == 0


def find_window(desktop, name, timeout=60):
    def found():
        ids = desktop.x("xdotool", "search", "--onlyvisible", "--name", "^%s$" % name,
                        check=False).stdout.split()
        return ids[0] if len(ids) == 1 else None
    return wait_for("the window " + name, found, timeout=timeout)


def visible_windows(desktop):
    return set(desktop.x("xdotool", "search", "--onlyvisible", "--name", "",
                         check=False).stdout.split())


def grab(desktop, window, size):
    path = os.path.join(desktop.tmp, "grab.xwd")
    with open(path, "wb") as f:
        subprocess.run(["xwd", "-silent", "-id", window], stdout=f, env=desktop.env,
                       check=True, timeout=30)
    picture = xwd.read(path)
    expect(picture[0] >= size[0] and picture[1] >= size[1],
           "window %s is %dx%d, smaller than %dx%d" % (window, picture[0], picture[1], *size))
    return xwd.crop(picture, 0, 0, *size)


def steady_frame(desktop, window, size, timeout=30):
    """The window's picture once two looks in a row agree (its first frame is drawn)."""
    last = [None]

    def same():
        now = grab(desktop, window, size)
        steady = now == last[0] and any(any(row) for row in now[2])
        last[0] = now
        return now if steady else None
    return wait_for("a steady frame", same, timeout=timeout, step=0.2)


def frame_after(desktop, window, size, before, timeout=15):
    """The first steady frame that differs from `before`."""
    def changed():
        frame = steady_frame(desktop, window, size)
        return frame if frame != before else None
    return wait_for("the window to change", changed, timeout=timeout, step=0.1)


def centre(boxes, name):
    left, top, right, bottom = boxes[name]
    return (left + right) // 2, (top + bottom) // 2


def click(desktop, window, point, scale):
    desktop.xdotool("mousemove", "--window", window, int(point[0] * scale),
                    int(point[1] * scale))
    desktop.xdotool("click", 1)


class Session:
    """One window (Linux or Windows) and what the test does to it, frame by frame."""

    def __init__(self, desktop, window, scale, boxes):
        self.desktop, self.window, self.scale, self.boxes = desktop, window, scale, boxes
        self.size = (round(236 * scale), round(200 * scale))
        desktop.xdotool("windowactivate", "--sync", window)
        self.first = steady_frame(desktop, window, self.size)

    def clicks(self, names):
        frame = self.first
        for name in names:
            click(self.desktop, self.window, centre(self.boxes, name), self.scale)
            frame = frame_after(self.desktop, self.window, self.size, frame)
        return frame

    def keys(self, keys):
        """Types each key once the last one has shown (each of them changes the face)."""
        frame = steady_frame(self.desktop, self.window, self.size)
        for key in keys:
            self.desktop.xdotool("key", "--window", self.window, key)
            frame = frame_after(self.desktop, self.window, self.size, frame)
        return frame


CLICKS = ["lblNumber(7)", "lblMath(0)", "lblNumber(8)", "lblEnter"]  # 7 + 8 ENTER
TYPED = ["Escape", "6", "asterisk", "7", "Return"]


def keep(args, name, frame):
    if args.keep:
        os.makedirs(args.keep, exist_ok=True)
        xwd.write_png(os.path.join(args.keep, name + ".png"), frame)


def linux_frames(desktop, args, boxes, scale):
    process = subprocess.Popen([os.path.join(args.linux_bin, "calculator")],
                               env=dict(desktop.env, QT_QPA_PLATFORM="xcb",
                                        QT_SCALE_FACTOR=str(scale)),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        session = Session(desktop, find_window(desktop, "Calculator"), scale, boxes)
        frames = {"first": session.first}
        if scale == 1.0:
            frames["clicks"] = session.clicks(CLICKS)
            frames["typed"] = session.keys(TYPED)
        return frames
    finally:
        process.terminate()
        process.wait(timeout=30)


def quit(desktop, window, process):
    """Ctrl+Q ends it. Typed to the focus: the window may be gone before the key's release."""
    desktop.xdotool("windowactivate", "--sync", window)
    desktop.x("xdotool", "key", "ctrl+q", check=False)
    try:
        process.wait(timeout=30)
    except subprocess.TimeoutExpired:
        raise Failure("Ctrl+Q did not end the calculator")


def compare(args, what, linux, windows):
    keep(args, what + "-linux", linux)
    keep(args, what + "-wine", windows)
    differ = xwd.differing_pixels(linux, windows)
    expect(differ == 0, "%s: %s pixels differ between the Linux and the wine frame" %
           (what, "all" if differ is None else differ))


def time_start(desktop, wine, program, name, runs=3):
    """Seconds from start to a shown window, the median of a few warm starts."""
    times = []
    for _ in range(runs):
        start = time.monotonic()
        process = wine.start(program)
        find_window(desktop, name)
        times.append(time.monotonic() - start)
        process.terminate()
        process.wait(timeout=30)
        wine.wait()
    return statistics.median(times)


def test():
    args = arguments()
    need("wine", "wineboot", "wineserver", "xwd", "xclip")
    boxes, _ = read_face_map(os.path.join(args.linux_bin, "face-map"))
    with Desktop() as desktop:
        wine = Wine(desktop)
        installer = os.path.join(desktop.tmp, os.path.basename(args.installer))
        shutil.copy(args.installer, installer)

        # For the current user alone: into the user's programs folder, listed for the user.
        wine.run("wine", installer, "/S", "/CurrentUser")
        wine.wait()
        own = r"users\%s\AppData\Local\Programs\Calculator" % pwd.getpwuid(os.getuid()).pw_name
        user_key = UNINSTALL_KEY.replace("HKLM", "HKCU")
        expect(os.path.isfile(wine.unix(own + r"\calculator.exe")),
               "a per-user install put no calculator.exe in " + own)
        expect(wine.key_exists(user_key), "no per-user entry in the installed programs")
        expect(not wine.key_exists(UNINSTALL_KEY), "a per-user install made a per-machine entry")
        wine.run("wine", wine.unix(own + r"\Uninstall.exe"), "/S", "/CurrentUser")
        wine.wait()
        wait_for("the per-user uninstall", lambda: not os.path.exists(wine.unix(own)),
                 timeout=60)
        expect(not wine.key_exists(user_key), "the per-user entry is left")

        # For all users (what a silent install does as an administrator).
        wine.run("wine", installer, "/S")
        wine.wait()
        folder = r"Program Files\Calculator"
        program = wine.unix(folder + r"\calculator.exe")
        expect(os.path.isfile(program), "the installer put no calculator.exe in " + folder)
        for part in ["Qt6Widgets.dll", r"platforms\qwindows.dll", "LICENSE.txt",
                     "THIRD-PARTY.txt", r"licenses\Qt\LGPL-3.txt", r"licenses\fonts\LICENSES.md",
                     "Uninstall.exe"]:
            expect(os.path.isfile(wine.unix(folder + "\\" + part)), "not installed: " + part)
        menu_entry = wine.unix(r"ProgramData\Microsoft\Windows\Start Menu\Programs\Calculator.lnk")
        expect(os.path.isfile(menu_entry), "no Start-menu entry")
        expect(wine.key_exists(UNINSTALL_KEY), "no entry in the installed programs")

        for scale, dpi in SCALES:
            linux = linux_frames(desktop, args, boxes, scale)
            wine.set_dpi(dpi)
            process = wine.start(program)
            window = find_window(desktop, "Calculator")
            session = Session(desktop, window, scale, boxes)
            tag = "%d%%" % round(scale * 100)
            compare(args, "first-" + tag, linux["first"], session.first)
            if scale != 1.0:
                quit(desktop, window, process)
                continue
            compare(args, "clicks-7+8-enter", linux["clicks"], session.clicks(CLICKS))
            compare(args, "typed-6*7-enter", linux["typed"], session.keys(TYPED))

            # Ctrl+C puts the number shown (42) on the X clipboard.
            desktop.xdotool("key", "--window", window, "ctrl+c")
            wait_for("42 on the clipboard", lambda: desktop.x(
                "xclip", "-o", "-selection", "clipboard", check=False).stdout.strip() == "42")

            # A left drag on the bare face moves the window.
            def where():
                geometry = desktop.x("xdotool", "getwindowgeometry", window).stdout
                return geometry.split("Position: ")[1].split()[0]
            before = where()
            desktop.xdotool("mousemove", "--window", window, *BARE_FACE)
            desktop.xdotool("mousedown", 1)
            for _ in range(4):
                desktop.xdotool("mousemove_relative", "--", 15, 10)
                time.sleep(0.05)
            desktop.xdotool("mouseup", 1)
            wait_for("the window to move", lambda: where() != before)

            # A right click on the bare face opens the face menu; Escape closes it.
            shown = visible_windows(desktop)
            desktop.xdotool("mousemove", "--window", window, *BARE_FACE)
            desktop.xdotool("click", 3)
            wait_for("the face menu", lambda: visible_windows(desktop) - shown)
            desktop.xdotool("key", "Escape")
            wait_for("the face menu to close", lambda: not visible_windows(desktop) - shown)

            quit(desktop, window, process)
            wine.wait()

        # Start-up beside a bare Qt window built the same way, from the same folder's DLLs.
        wine.set_dpi(96)
        bare = wine.unix(folder + r"\bare-window.exe")
        shutil.copy(args.bare_window, bare)
        calc_time = time_start(desktop, wine, program, "Calculator")
        bare_time = time_start(desktop, wine, bare, "Bare Qt Window")
        os.remove(bare)
        print("start under wine: calculator %.2f s, bare Qt window %.2f s, ratio %.2f" %
              (calc_time, bare_time, calc_time / bare_time))

        wine.run("wine", wine.unix(folder + r"\Uninstall.exe"), "/S", "/AllUsers")
        wine.wait()
        wait_for("the uninstaller to finish",
                 lambda: not os.path.exists(wine.unix(folder)), timeout=60)
        expect(not os.path.exists(menu_entry), "the Start-menu entry is left")
        expect(not wine.key_exists(UNINSTALL_KEY), "the installed-programs entry is left")


if __name__ == "__main__":
    main(test)
