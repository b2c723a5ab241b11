#!/usr/bin/python3
"""The keyboard as users of many layouts and regions press it: for each layout (set with
setxkbmap on the test's own X server) and its region's locale, the real window under openbox
gets physical keys through XTest, modifiers held as keys of their own, and the number shown is
read back from the clipboard after a click on the copy mark. Prints the layout x key table
and fails on any cell that is wrong.

Debian's own Python: python3-xlib is installed for it."""

import os
import re
import subprocess
import time

from Xlib import X, XK
from Xlib import display as xdisplay
from Xlib.ext import xtest

from desktop import Desktop, Failure, arguments, expect, main, need, stop, wait_for
from random_run_test import read_face_map

# layout name, setxkbmap arguments, locale, the decimal separator its copy writes, whether a
# paste of "1,5" is read there
LAYOUTS = [
    ("us", ["-layout", "us"], "en_US.UTF-8", ".", False),
    ("de", ["-layout", "de"], "de_DE.UTF-8", ",", True),
    ("fr", ["-layout", "fr"], "fr_FR.UTF-8", ",", True),
    ("cz", ["-layout", "cz"], "cs_CZ.UTF-8", ",", True),
    ("br(abnt2)", ["-model", "abnt2", "-layout", "br"], "pt_BR.UTF-8", ",", True),
    ("ru,us", ["-layout", "ru,us"], "ru_RU.UTF-8", ",", True),
    ("gr,us", ["-layout", "gr,us"], "el_GR.UTF-8", ",", True),
    ("ara(digits),us", ["-layout", "ara,us", "-variant", "digits,"], "ar_EG.UTF-8", "\u066b",
     False),
    ("jp", ["-layout", "jp"], "ja_JP.UTF-8", ".", False),
]

DIGIT_KEYSYMS = {0x30 + i: i for i in range(10)}
DIGIT_KEYSYMS.update({0x1000660 + i: i for i in range(10)})  # Arabic-Indic
DIGIT_KEYSYMS.update({0x10006f0 + i: i for i in range(10)})  # Persian
TOP_ROW = ["AE%02d" % i for i in range(1, 11)]               # 1 2 ... 9 0
KEYPAD_DIGITS = ["KP1", "KP2", "KP3", "KP4", "KP5", "KP6", "KP7", "KP8", "KP9", "KP0"]
MOD2 = X.Mod2Mask  # NumLock, as the keymaps here map it


class Keyboard:
    """Physical keys of the server's current keymap, pressed through XTest."""

    def __init__(self, desktop):
        self.desktop = desktop
        self.display = xdisplay.Display(desktop.env["DISPLAY"])
        self.load()

    def load(self):
        # The key names and their keycodes, aliases included, as the server compiled them.
        text = self.desktop.x("xkbcomp", "-xkb", self.desktop.env["DISPLAY"], "-").stdout
        codes = {m.group(1): int(m.group(2))
                 for m in re.finditer(r"<(\w+)>\s*=\s*(\d+);", text)}
        for alias, real in re.findall(r"alias\s+<(\w+)>\s*=\s*<(\w+)>;", text):
            if real in codes:
                codes[alias] = codes[real]
        self.codes = codes
        self.names = {code: name for name, code in codes.items()}
        # Core mapping: per keycode G1L1, G1L2, G2L1, G2L2, ...
        self.display.close()
        self.display = xdisplay.Display(self.desktop.env["DISPLAY"])
        first = self.display.display.info.min_keycode
        count = self.display.display.info.max_keycode - first + 1
        self.map = {first + i: list(row) for i, row in
                    enumerate(self.display.get_keyboard_mapping(first, count))}

    def code(self, name):
        return self.codes.get(name)

    def symbol(self, code, index):
        row = self.map.get(code, [])
        return row[index] if index < len(row) else 0

    def find(self, keysym, group=0):
        """(keycode, shift) of the main (non-keypad) key making keysym in a group, or None."""
        for level in (0, 1):
            for code in sorted(self.map):
                if self.names.get(code, "").startswith("KP"):
                    continue
                if self.symbol(code, group * 2 + level) == keysym:
                    return code, level == 1
        return None

    def letter(self, letter):
        """The key with this Latin letter on its cap: from the first group that has it."""
        keysym = XK.string_to_keysym(letter.lower())
        for group in (0, 1):
            found = self.find(keysym, group)
            if found:
                return found[0]
        raise Failure("no key makes %s" % letter)

    def press(self, code, shift=False, ctrl=False):
        held = ([self.code("LFSH")] if shift else []) + ([self.code("LCTL")] if ctrl else [])
        for m in held:
            xtest.fake_input(self.display, X.KeyPress, m)
        xtest.fake_input(self.display, X.KeyPress, code)
        xtest.fake_input(self.display, X.KeyRelease, code)
        for m in reversed(held):
            xtest.fake_input(self.display, X.KeyRelease, m)
        self.display.sync()

    def numlock(self, on):
        if bool(self.display.screen().root.query_pointer().mask & MOD2) != on:
            self.press(self.code("NMLK"))
            wait_for("NumLock", lambda: bool(
                self.display.screen().root.query_pointer().mask & MOD2) == on, timeout=10)


class Clipboard:
    """The clipboard of the test's server, through xclip."""

    def __init__(self, desktop):
        self.desktop = desktop
        self.owner = None
        self.count = 0

    def read(self):
        done = self.desktop.x("xclip", "-o", "-selection", "clipboard", "-target",
                              "UTF8_STRING", check=False)
        return done.stdout if done.returncode == 0 else None

    def put(self, text):
        stop(self.owner)
        self.owner = subprocess.Popen(
            ["xclip", "-i", "-quiet", "-selection", "clipboard"], env=self.desktop.env,
            stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.owner.stdin.write(text.encode())
        self.owner.stdin.close()
        wait_for("the clipboard to hold %r" % text, lambda: self.read() == text)

    def held(self):
        """Whether the text last put is still ours (xclip ends when another owner comes)."""
        return self.owner is not None and self.owner.poll() is None

    def taken(self):
        """The text the calculator put on the clipboard in place of ours."""
        if not self.held():
            self.count += 1
            self.put("nothing-copied-%d" % self.count)
        return lambda: (wait_for("a copy", lambda: not self.held(), timeout=10), self.read())[1]

    def close(self):
        stop(self.owner)


class Session:
    """One calculator in one region, pressed and read."""

    def __init__(self, desktop, keyboard, clipboard, calc, copy_box, decimal):
        self.desktop, self.kb, self.clip, self.calc = desktop, keyboard, clipboard, calc
        left, top, right, bottom = copy_box
        self.copy_point = ((left + right) // 2, (top + bottom) // 2)
        self.decimal = decimal

    def shown(self):
        """The number shown, read through the copy mark (written with '.' again)."""
        copied = self.clip.taken()
        self.desktop.xdotool("mousemove", *self.calc.point(*self.copy_point), "click", "1")
        return copied().replace(self.decimal, ".")

    def name(self, name, shift=False, ctrl=False):
        code = self.kb.code(name)
        if code is None:
            raise Failure("no key %s" % name)
        self.kb.press(code, shift, ctrl)

    def char(self, keysym_name):
        found = self.kb.find(XK.string_to_keysym(keysym_name))
        if found is None:
            return False
        self.kb.press(*found)
        return True

    def digit_key(self, name):
        """A top-row key at the level that types its digit."""
        code = self.kb.code(name)
        for level in (0, 1):
            if self.kb.symbol(code, level) in DIGIT_KEYSYMS:
                self.kb.press(code, level == 1)
                return
        raise Failure("%s types no digit" % name)

    def digits(self, text):
        for d in text:
            self.digit_key(TOP_ROW[(int(d) + 9) % 10])

    def clear(self):
        self.name("ESC")


def checks(layout):
    """(name, body, expected) for a layout; a body returns False where the layout has no key
    for it (shown as '-')."""
    name, _, _, decimal, reads_comma = layout

    def top_row(s):
        for key in TOP_ROW:
            s.digit_key(key)

    def keypad_digits(s):
        for key in KEYPAD_DIGITS:
            s.name(key)

    def keypad_point(key):
        def body(s):
            if s.kb.code(key) is None or not any(s.kb.symbol(s.kb.code(key), i) for i in (0, 1)):
                return False
            s.digits("1")
            s.name(key)
            s.digits("5")
        return body

    def numlock_off(s):
        s.kb.numlock(False)
        s.digits("1")
        s.name("KPDL")
        s.digits("5")
        s.kb.numlock(True)

    def main_char(keysym):
        def body(s):
            s.digits("1")
            if not s.char(keysym):
                return False
            s.digits("5")
        return body

    def main_op(keysym, enter="RTRN"):
        def body(s):
            s.digits("6")
            if not s.char(keysym):
                return False
            s.digits("3")
            s.name(enter)
        return body

    def keypad_op(key):
        def body(s):
            s.name("KP6")
            s.name(key)
            s.name("KP3")
            s.name("KPEN")
        return body

    def backspace(s):
        s.digits("123")
        s.name("BKSP")

    def escape(s):
        s.digits("12")
        s.name("ESC")

    def sine(s):
        s.digits("30")
        s.kb.press(s.kb.letter("S"))

    def square(s):
        s.digits("3")
        s.kb.press(s.kb.letter("Q"))

    def arcsine(s):
        s.digits("1")
        s.name("KPDV")
        s.digits("2")
        s.name("KPEN")
        s.kb.press(s.kb.letter("S"), shift=True)

    def copy(s):
        # 7 / 2 = 3.5, made without a point key.
        s.name("KP7")
        s.name("KPDV")
        s.name("KP2")
        s.name("KPEN")
        copied = s.clip.taken()
        s.kb.press(s.kb.letter("C"), ctrl=True)
        return "copied " + copied()

    def paste(text):
        def body(s):
            s.digits("7")
            s.clip.put(text)
            s.kb.press(s.kb.letter("V"), ctrl=True)
        return body

    rows = [
        ("top-row digits", top_row, "1234567890"),
        ("keypad digits", keypad_digits, "1234567890"),
        ("1 KPDL 5", keypad_point("KPDL"), "1.5"),
        ("1 KPPT 5", keypad_point("KPPT"), "1.5"),
        ("1 KPDL 5, NumLock off", numlock_off, "15"),
        ("1 . 5", main_char("period"), "1.5"),
        ("1 , 5", main_char("comma"), "1.5"),
    ]
    for op, keysym, result in (("+", "plus", "9"), ("-", "minus", "3"), ("*", "asterisk", "18"),
                               ("/", "slash", "2")):
        rows.append(("6 %s 3 Enter" % op, main_op(keysym), result))
    for op, key, result in (("+", "KPAD", "9"), ("-", "KPSU", "3"), ("*", "KPMU", "18"),
                            ("/", "KPDV", "2")):
        rows.append(("6 KP%s 3 KPEnter" % op, keypad_op(key), result))
    rows += [
        ("123 Backspace", backspace, "12"),
        ("12 Escape", escape, "0"),
        ("30 S (sin)", sine, "0.5"),
        ("0.5 Shift+S (asin)", arcsine, "30"),
        ("3 Q (x squared)", square, "9"),
        ("Ctrl+C of 3.5", copy, "copied 3" + decimal + "5"),
        ("Ctrl+V of 1,5", paste("1,5"), "1.5" if reads_comma else "7"),
        ("Ctrl+V of 1.5", paste("1.5"), "1.5"),
    ]
    return rows


def run_layout(desktop, keyboard, clipboard, program, copy_box, layout):
    name, xkb, region, decimal, _ = layout
    # Started under a French keymap and pressed once, then given the layout: the window must
    # follow a keymap that changes under it (Q and A change places).
    desktop.x("setxkbmap", "-option", "", "-layout", "fr")
    keyboard.load()
    calc = desktop.start(program, {"LANG": region, "LC_ALL": region})
    session = Session(desktop, keyboard, clipboard, calc, copy_box, decimal)
    session.clear()
    expect(session.shown() == "0", "%s: the calculator does not start at 0" % name)
    desktop.x("setxkbmap", "-option", "", *xkb)
    keyboard.load()
    keyboard.numlock(True)
    cells = {}
    for check, body, expected in checks(layout):
        session.clear()
        got = body(session)
        if got is False:
            cells[check] = ("-", True)
            continue
        if got is None:
            got = session.shown()
        cells[check] = (got, got == expected)
    expect(calc.alive(), "%s: the calculator ended" % name)
    calc.quit()
    return cells


def test():
    args = arguments(__doc__)
    need("setxkbmap", "xkbcomp", "xclip")
    have = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.split()
    missing = [r for _, _, r, _, _ in LAYOUTS if r.replace("UTF-8", "utf8") not in have]
    expect(not missing, "missing locales %s: run scripts/deps test" % " ".join(missing))
    boxes, _ = read_face_map(os.path.join(args.bin, "face-map"))
    program = os.path.join(args.bin, "calculator")
    table, faults = {}, []
    started = time.monotonic()
    with Desktop() as desktop:
        keyboard = Keyboard(desktop)
        clipboard = Clipboard(desktop)
        try:
            for layout in LAYOUTS:
                table[layout[0]] = run_layout(desktop, keyboard, clipboard, program,
                                              boxes["lblcopy"], layout)
        finally:
            clipboard.close()
    names = [row[0] for row in checks(LAYOUTS[0])]
    width = max(len(n) for n in names)
    print("%-*s | %s" % (width, "key", " | ".join(l[0] for l in LAYOUTS)))
    for check in names:
        cells = []
        for layout in LAYOUTS:
            got, ok = table[layout[0]][check]
            cells.append(("ok" if ok and got != "-" else got if ok else "FAIL " + got)
                         .ljust(len(layout[0])))
            if not ok:
                faults.append("%s, %s: got %r" % (layout[0], check, got))
        print("%-*s | %s" % (width, check, " | ".join(cells)))
    print("%.1f s" % (time.monotonic() - started))
    expect(not faults, "%d wrong: %s" % (len(faults), "; ".join(faults)))


if __name__ == "__main__":
    main(test)
