#!/usr/bin/env python3
"""Dragging the face under a window manager: a left drag moves the window, which then stays
where it was left while the pointer moves on; right and middle drags leave it in place."""

import os

from desktop import Desktop, arguments, expect, main

BARE_FACE = (100, 5)  # the title strip: no key, caption or lamp
STEPS = [(20, 10)] * 3


def test():
    args = arguments(__doc__)
    with Desktop() as desktop:
        calc = desktop.start(os.path.join(args.bin, "calculator"))
        for round in range(2):
            before = calc.settle()
            calc.drag(1, BARE_FACE, STEPS)
            after = calc.settle_after_drag()
            moved = (after[0] - before[0], after[1] - before[1])
            total = (sum(x for x, _ in STEPS), sum(y for _, y in STEPS))
            # The move begins with the first movement, so it follows the steps after it: the
            # window goes the pointer's way, and no further than the pointer.
            expect(all(0 < m / t <= 1 for m, t in zip(moved, total)),
                   "round %d: a left drag by %s moved the window by %s" % (round, total, moved))
            for step in [(50, 50), (-120, 40), (30, -90)]:
                desktop.xdotool("mousemove_relative", "--", *step)
                now = calc.settle()
                expect(now == after, "round %d: after the drag the window followed the "
                       "pointer, from %s to %s" % (round, after, now))
            # Back the other way, so that the second round starts from the same place.
            STEPS[:] = [(-x, -y) for x, y in STEPS]

        for button, name in [(3, "right"), (2, "middle")]:
            before = calc.settle()
            calc.drag(button, BARE_FACE, [(20, 10)] * 3)
            # A right release on the bare face opens the face menu; it goes with Escape.
            if len(calc.shown_windows()) > 1:
                desktop.xdotool("key", "Escape")
            after = calc.settle_after_drag()
            expect(after == before, "a %s drag moved the window from %s to %s" %
                   (name, before, after))
        expect(calc.geometry()[2:] == (236, 200), "the window is no longer the face's size")
        expect(calc.alive(), "the calculator ended")


if __name__ == "__main__":
    main(test)
