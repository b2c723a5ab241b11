#!/usr/bin/env python3
"""A randomized run of real events under a window manager, from a fixed seed: clicks anywhere
on the face, left and right drags, keys of the keyboard map and typed keys, the face menu
opened and dismissed. After every event the program is alive, the window has the face's size,
it has moved only after a left drag on the bare face (always after one from a point that is
bare in every state), and it stays put while the pointer then moves with no button held."""

import os
import random
import subprocess
import time

from desktop import FACE, Desktop, Failure, arguments, expect, main

EVENTS = 300
SCREEN = (1024, 768)

# The keys a user types besides the map's: digits, point, operators and the named keys.
TYPED = list("0123456789") + ["period", "plus", "minus", "asterisk", "slash", "Return",
                              "Escape", "BackSpace"]
NAMED = {"%": "percent", "+": "plus", "-": "minus", "*": "asterisk", "/": "slash",
         ".": "period"}


def read_face_map(program):
    """The controls' boxes and the keyboard map, from the form itself."""
    boxes, bindings = {}, []
    for line in subprocess.run([program], capture_output=True, text=True,
                               check=True).stdout.splitlines():
        kind, *fields = line.split()
        if kind == "face":
            expect(tuple(map(int, fields)) == FACE, "the face is not %dx%d" % FACE)
        elif kind == "control":
            boxes[fields[0]] = tuple(map(int, fields[1:]))
        elif kind == "binding":
            bindings.append((fields[0], int(fields[1]), fields[2]))
    return boxes, bindings


def xdotool_key(key, modifiers):
    name = NAMED.get(key, key.lower())
    held = (["ctrl"] if modifiers & 2 else []) + (["alt"] if modifiers & 4 else [])
    if modifiers & 1 and key.isalpha():
        held.append("shift")
    return "+".join(held + [name])


def inside(box, point):
    left, top, right, bottom = box
    return left <= point[0] < right and top <= point[1] < bottom


class Run:
    def __init__(self, desktop, calc, boxes, bindings, seed):
        self.desktop, self.calc, self.rng = desktop, calc, random.Random(seed)
        self.boxes = boxes
        # Ctrl+Q and the exit key end the program: the run keeps clear of both.
        self.exit_box = boxes["lblExit"]
        self.keys = [xdotool_key(k, m) for k, m, name in bindings if name != "lblExit"] + TYPED
        self.bare = [(x, y) for y in range(FACE[1]) for x in range(FACE[0])
                     if not any(inside(b, (x, y)) for b in boxes.values())]
        self.anywhere = [(x, y) for y in range(FACE[1]) for x in range(FACE[0])
                         if not inside(self.exit_box, (x, y))]
        self.log = []
        self.counts = {}

    def point(self, bare_only=False):
        return self.rng.choice(self.bare if bare_only or self.rng.random() < 0.5
                               else self.anywhere)

    def steps(self):
        # Two to four steps, leaning back towards the middle of the screen.
        x, y = self.calc.position()
        lean = ((SCREEN[0] - FACE[0]) // 2 - x, (SCREEN[1] - FACE[1]) // 2 - y)
        out = []
        for _ in range(self.rng.randint(2, 4)):
            out.append(tuple(self.rng.randint(-25, 25) + max(-15, min(15, d // 10))
                             for d in lean))
        # The move follows the steps after the first: let them go somewhere.
        if sum(abs(a) + abs(b) for a, b in out[1:]) < 6:
            out.append((10, 10))
        return out

    def dismiss_menu(self):
        # Drawn whether or not a menu is open, so that the seed alone fixes every later draw.
        by_escape, where = self.rng.random() < 0.5, self.rng.random()
        shown = self.calc.shown_windows()
        if len(shown) <= 1:
            return
        if by_escape:
            # Escape closes one level of menu at a time (a submenu may be open).
            for _ in range(len(shown) - 1):
                self.desktop.xdotool("key", "Escape")
                time.sleep(0.05)
        else:
            # A click on the bare desktop, clear of the window and of the menus.
            boxes = [self.calc.geometry(w) for w in shown]
            clear = [(x, y) for x in range(5, SCREEN[0], 37) for y in range(5, SCREEN[1], 37)
                     if not any(l - 5 <= x < l + w + 5 and t - 5 <= y < t + h + 5
                                for l, t, w, h in boxes)]
            self.desktop.xdotool("mousemove", *clear[int(where * len(clear))], "click", 1)
        # A submenu that opened under the pointer meanwhile goes with one more Escape each.
        for _ in range(5):
            end = time.monotonic() + 0.5
            while len(self.calc.shown_windows()) > 1 and time.monotonic() < end:
                time.sleep(0.03)
            if len(self.calc.shown_windows()) <= 1:
                return
            self.desktop.xdotool("key", "Escape")
        raise Failure("the face menu did not close (%s; %s)" %
                      (self.log[-3:], self.calc.shown_windows()))

    def wait_for_menu(self, must, timeout=10):
        """Waits for the face menu; fails naming `must` if it is required and does not come."""
        end = time.monotonic() + timeout
        while len(self.calc.shown_windows()) < 2:
            if time.monotonic() > end:
                if must:
                    raise Failure("%s opened no menu, after %s" % (must, "; ".join(self.log[-3:])))
                return
            time.sleep(0.03)

    def event(self):
        """Plays one random event; returns its description and whether a move must, may or
        must not follow ("yes", "maybe", "no")."""
        roll = self.rng.random()
        xd = self.desktop.xdotool
        if roll < 0.30:
            at = self.point()
            xd("mousemove", *self.calc.point(*at), "click", 1)
            return "left click at %s" % (at,), "no"
        if roll < 0.50:
            at = self.point()
            steps = self.steps()
            self.calc.drag(1, at, steps, step_delay=0.02)
            return ("left drag from %s by %s" % (at, steps),
                    "yes" if at in self.bare_set else "maybe")
        if roll < 0.60:
            at = self.point()
            steps = self.steps()
            self.calc.drag(3, at, steps, step_delay=0.02)
            # Released over the face, the drag may open the face menu a moment later (it
            # must, over a bare point): wait for it, or the next event meets it.
            end = (at[0] + sum(dx for dx, _ in steps), at[1] + sum(dy for _, dy in steps))
            if end in self.bare_set:
                self.wait_for_menu("a right drag released on the bare face at %s" % (end,))
            elif 0 <= end[0] < FACE[0] and 0 <= end[1] < FACE[1]:
                self.wait_for_menu(None, timeout=0.5)
            self.dismiss_menu()
            return "right drag from %s by %s" % (at, steps), "no"
        if roll < 0.68:
            at = self.point(bare_only=True)
            # A menu still open would take this click to close itself.
            for _ in range(5):
                if len(self.calc.shown_windows()) <= 1:
                    break
                xd("key", "Escape")
                time.sleep(0.05)
            xd("mousemove", *self.calc.point(*at), "click", 3)
            self.wait_for_menu("a right click on the bare face at %s" % (at,))
            self.dismiss_menu()
            return "face menu at %s" % (at,), "no"
        key = self.rng.choice(self.keys)
        xd("key", key)
        return "key %s" % key, "no"

    def play(self, events):
        self.bare_set = set(self.bare)
        calc = self.calc
        where = calc.settle()
        for n in range(events):
            what, move = self.event()
            self.log.append(what)
            kind = "key" if what.startswith("key") else " ".join(what.split()[:2])
            self.counts[kind] = self.counts.get(kind, 0) + 1
            context = "after event %d (%s)" % (n, "; ".join(self.log[-4:]))
            expect(calc.alive(), "the calculator ended " + context)
            now = calc.settle_after_drag() if "drag" in what else calc.settle()
            if move == "no":
                expect(now == where, "the window moved from %s to %s %s" % (where, now, context))
            elif move == "yes":
                expect(now != where, "the window did not move %s" % context)
            expect(calc.geometry()[2:] == FACE, "the window is not the face's size " + context)
            # The pointer moves on with no button held: the window stays.
            self.desktop.xdotool("mousemove", self.rng.randrange(SCREEN[0]),
                                 self.rng.randrange(SCREEN[1]))
            after = calc.settle()
            expect(after == now, "the window followed the pointer from %s to %s %s" %
                   (now, after, context))
            where = after


def test():
    args = arguments(__doc__)
    boxes, bindings = read_face_map(os.path.join(args.bin, "face-map"))
    with Desktop() as desktop:
        calc = desktop.start(os.path.join(args.bin, "calculator"))
        started = time.monotonic()
        run = Run(desktop, calc, boxes, bindings, args.seed)
        run.play(EVENTS)
        print("%d events in %.0f s, seed %d: %s" % (EVENTS, time.monotonic() - started, args.seed,
              ", ".join("%d %s" % (n, k) for k, n in sorted(run.counts.items()))))
        expect(calc.alive(), "the calculator ended")


if __name__ == "__main__":
    main(test)
