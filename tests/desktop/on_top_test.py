#!/usr/bin/env python3
"""Always on top under a window manager: Ctrl+T asks the window manager to keep the same
window above the others (no new window), a held Ctrl+T switches once however long it is held,
and Ctrl+Q ends the program."""

import os
import time

from desktop import Desktop, arguments, expect, main

ABOVE = "_NET_WM_STATE_ABOVE"


def test():
    args = arguments(__doc__)
    with Desktop() as desktop:
        calc = desktop.start(os.path.join(args.bin, "calculator"))
        window = calc.window
        windows = calc.shown_windows()
        expect(ABOVE not in calc.net_wm_state(), "the window starts on top")

        def expect_state(on, what):
            expect(calc._find() == window and calc.shown_windows() == windows,
                   "%s: the window was made anew" % what)
            # The window manager answers in its own time.
            end = time.monotonic() + 10
            while (ABOVE in calc.net_wm_state()) != on and time.monotonic() < end:
                time.sleep(0.05)
            expect((ABOVE in calc.net_wm_state()) == on,
                   "%s: the window is %s" % (what, "not on top" if on else "still on top"))
            expect(calc._find() == window and calc.shown_windows() == windows,
                   "%s: the window was made anew" % what)
            expect(calc.geometry()[2:] == (236, 200), "%s: the window changed its size" % what)

        desktop.xdotool("key", "ctrl+t")
        expect_state(True, "Ctrl+T")
        desktop.xdotool("key", "ctrl+t")
        expect_state(False, "Ctrl+T again")

        # Held past the keyboard's repeat delay, the key repeats a few dozen times.
        for on in (True, False):
            desktop.xdotool("keydown", "ctrl+t")
            time.sleep(1.5)
            desktop.xdotool("keyup", "t", "keyup", "ctrl")
            time.sleep(0.3)
            expect_state(on, "a held Ctrl+T")

        # A window manager that keeps nothing above (i3 lists no _NET_WM_STATE_ABOVE): the
        # switch does nothing, as it would be a promise the desktop does not keep.
        supported = desktop.x("xprop", "-root", "_NET_SUPPORTED").stdout
        atoms = [a.strip() for a in supported.split("=", 1)[1].split(",")]
        kept = ",".join(a for a in atoms if a != "_NET_WM_STATE_ABOVE")
        desktop.x("xprop", "-root", "-f", "_NET_SUPPORTED", "32a", "-set", "_NET_SUPPORTED", kept)
        desktop.xdotool("key", "ctrl+t")
        time.sleep(0.5)  # a switch that wrongly happens is seen by then; none must come
        expect_state(False, "Ctrl+T without a window manager's keep-above")

        expect(calc.alive(), "the calculator ended")
        status = calc.quit()
        expect(status == 0, "Ctrl+Q ended the calculator with status %s" % status)


if __name__ == "__main__":
    main(test)
