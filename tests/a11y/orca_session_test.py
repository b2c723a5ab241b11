"""What a blind user hears: the real Orca screen reader reads the calculator, and each step's
words are taken from Orca's own debug output ("SPEECH OUTPUT: '...'").

Orca starts first, then the calculator, as on a desktop where the screen reader is on (Qt 6.4
joins the accessibility bus only at its start: see the README). The keys are pressed with
xdotool as the user types them; key echo speaks each key, the calculator's notifications speak
what each command produced, where-am-I (KP_Enter) tells where the user is and flat review (the
keypad) reads the captions as text.

Must run on a private session bus: orca_session_test.sh starts it under dbus-run-session.
Usage: orca_session_test.py CALCULATOR [--record FILE]
  --record FILE: asserts nothing; writes each step's spoken words and Orca's debug file to
  FILE and FILE.debug, to see what a build says.
"""

import argparse
import shutil
import sys
import time

from orca_session import SPEAK, DesktopFailure, Failure, OrcaDesktop, spoken_words

# (what the user does, the keys, the words Orca speaks, in order). Key echo speaks each key
# by its name; Shift, which xdotool holds for +, is echoed too.
PLUS = ["left shift", "plus"]
STEPS = [
    ("1 2 + 3 0 Enter", ["1", "2", "plus", "3", "0", "Return"],
     ["1", "2", *PLUS, "3", "0", "return", "notification 42."]),
    ("5 / 0 Enter", ["5", "slash", "0", "Return"],
     ["5", "slash", "0", "return", "notification ERROR."]),
    ("30 S", ["3", "0", "s"], ["3", "0", "s", "notification 0.5."]),
    ("F", ["f"], ["f", "notification Fraction display, 0 1/2."]),
    ("D", ["d"], ["d", "notification Decimal display, 0.5."]),
    ("G", ["g"], ["g", "notification Radians."]),
    ("U", ["u"], ["u", "notification UNIT OF MEASUREMENT: AREA."]),
    ("where am I in the set-up", ["KP_Enter"],
     ["return", "Calculator frame UNIT OF MEASUREMENT: AREA."]),
    ("L jumps to LINEAR", ["l"], ["l", "notification LINEAR."]),
    ("Enter", ["Return"], ["return", "notification CURRENT UNITS: ANGSTROMS."]),
    ("+ steps", ["plus"], [*PLUS, "notification CABLE LENGTHS."]),
    ("F jumps to FATHOMS", ["f"], ["f", "notification FATHOMS."]),
    ("F jumps to FEET", ["f"], ["f", "notification FEET."]),
    ("Enter", ["Return"], ["return", "notification CONVERT TO: FEET."]),
    ("C jumps to CABLE LENGTHS", ["c"], ["c", "notification CABLE LENGTHS."]),
    ("C jumps to CENTIMETERS", ["c"], ["c", "notification CENTIMETERS."]),
    ("Enter", ["Return"], ["return", "notification UNITS: FEET, CONVERT: C METER."]),
    ("Escape 1 0 Enter converts", ["Escape", "1", "0", "Return"],
     ["escape", "1", "0", "return", "notification 304.8."]),
    # Flat review (the keypad without Num Lock): its top line, then line by line down.
    ("flat review: top line", ["Insert+KP_Home"], ["Close"]),
    ("flat review: next line", ["KP_Prior"], ["STATUS: RAD"]),
    ("flat review: next line", ["KP_Prior"], ["304.8"]),
    ("flat review: next line", ["KP_Prior"], ["UNITS: FEET CONVERT: C METER"]),
    ("flat review: its first word", ["KP_Begin"], ["UNITS:"]),
    ("flat review left", ["KP_Subtract"], ["dash", "Leaving flat review."]),
    ("where am I", ["KP_Enter"], ["return", "Calculator frame 304.8."]),
]


def say(*words):
    print(*words, flush=True)


def wait_quiet(desktop, upto, quiet=2.5, limit=15.0):
    """Words spoken from `upto` on, once nothing more has been said for `quiet` seconds."""
    end = time.monotonic() + limit
    words, lines = desktop.spoken_since(upto)
    last_change = time.monotonic()
    while time.monotonic() < end and time.monotonic() - last_change < quiet:
        time.sleep(0.1)
        now, lines = desktop.spoken_since(upto)
        if now != words:
            words, last_change = now, time.monotonic()
    return words, lines


def wait_words(desktop, upto, expected):
    """Waits until as many words as expected were spoken from `upto` on; returns them all
    and the debug line after the last expected one."""
    end = time.monotonic() + SPEAK
    while True:
        lines = desktop.debug_lines()
        words, taken = [], upto
        for i in range(upto, len(lines)):
            w = spoken_words(lines[i])
            if w is None:
                continue
            words.append(w)
            taken = i + 1
            if len(words) == len(expected):
                return words, taken
        if time.monotonic() > end:
            return words, taken
        time.sleep(0.05)


def play(desktop, record):
    failures = []
    heard = []
    upto = desktop.read_upto
    for what, keys, expected in STEPS:
        desktop.keys(keys)
        if record:
            words, upto = wait_quiet(desktop, upto)
        else:
            words, upto = wait_words(desktop, upto, expected)
            if words != expected:
                failures.append(f"{what}: heard {words}, not {expected}")
        heard.append((what, words))
        say(f"{what}: " + " | ".join(words))
    if not record:
        # Nothing more after the last step: the session ends with exactly the words above.
        words, _ = wait_quiet(desktop, upto, quiet=2.0, limit=6.0)
        if words:
            failures.append(f"spoken after the last step: {words}")
    return heard, failures


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("calculator")
    parser.add_argument("--record", metavar="FILE")
    args = parser.parse_args()
    failures, lost = session(args)
    if failures and lost:
        # The desktop itself broke, not the calculator (on a machine shared with other test
        # runs): once more, and that run counts.
        say(f"the desktop lost {', '.join(lost)}: the session starts again")
        failures, lost = session(args)
    for failure in failures:
        say("FAIL:", failure)
    failed_steps = sum(1 for what, _, _ in STEPS if any(f.startswith(what + ":") for f in failures))
    say(f"{len(STEPS) - failed_steps} passed, {len(failures)} failed")
    return 1 if failures else 0


def session(args):
    """One whole session; returns its failures and the desktop's programs it lost."""
    failures, lost = [], []
    try:
        with OrcaDesktop() as desktop:
            try:
                desktop.start_orca()
                process, _ = desktop.start_program(args.calculator)
                # Orca has found the calculator once it has spoken its window's name.
                upto = desktop.wait_found("Calculator")
                # What Orca says of the window it has found ("Calculator frame.", "0.") ends
                # before the first key.
                desktop.read_upto = wait_quiet(desktop, upto, quiet=2.0)[1]
                heard, failures = play(desktop, args.record is not None)
                if args.record:
                    with open(args.record, "w") as f:
                        for what, words in heard:
                            f.write(f"{what}: " + " | ".join(repr(w) for w in words) + "\n")
                failures += [f"Orca: {line}" for line in desktop.orca_problems()]
                if process.poll() is not None:
                    failures.append("the calculator ended during the session")
            except Failure as failure:
                failures.append(str(failure))
            finally:
                lost = desktop.servers_lost()
                if failures:
                    # What Orca said last, to tell a slow start from a wrong word.
                    say("The end of Orca's debug output:")
                    for line in desktop.debug_lines()[-40:]:
                        say("  " + line[:200])
                    for line in desktop.logs():
                        say(line)
                if args.record:
                    shutil.copy(desktop.debug_path, args.record + ".debug")
                    shutil.copy(desktop.tmp + "/program.log", args.record + ".program")
    except DesktopFailure as failure:
        failures.append(str(failure))
        lost = ["its start"]
    except Failure as failure:
        failures.append(str(failure))
    return failures, lost


if __name__ == "__main__":
    sys.exit(main())
