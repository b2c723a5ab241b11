"""The calculator as a screen reader finds it, read through the AT-SPI registry.

Runs on a private session bus (screen_reader_test.sh starts it under dbus-run-session). Starts
an X server on a display it picks itself, at-spi2-core's accessibility bus and the calculator
with accessibility on; prints the tree once; checks roles, names, states, key bindings, the
captions' texts and where on the screen each character lies, and the frame's description;
presses keys by their accessible action and reads the state back. What a user hears is not
checked here: only a screen reader can tell that, and orca_session_test.py asks the real one.
Everything it starts it ends, also when a check fails.
Usage: screen_reader_client.py CALCULATOR FACE_MAP
"""

import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from display_line import read_display_line

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

WAIT = 5.0  # seconds for the program to show a change

# The keys a screen reader user reaches most, and the keys whose names read worst as help
# texts: (name, role, description, key binding).
KEYS = [
    ("Seven", "push button", "7", "7"),
    ("Point", "push button", ".", "."),
    ("Plus", "push button", "+ MODE", "+"),
    ("Multiply", "push button", "* MODE", "*"),
    ("Enter", "push button", "ENTER / ACCEPT", "Enter"),
    ("Clear", "push button", "CLEAR ALL", "Escape"),
    ("Exponent", "push button", "SCIENTIFIC FORMAT", "E"),
    ("Reciprocal", "push button", "1 / VALUE", "R"),
    ("Square root", "push button", "SQUARE ROOT", "W"),
    ("Sine", "push button", "CALCULATE SINE VALUE", "S"),
    ("Arc sine", "push button", "CALCULATE ARCSINE VALUE", "Shift+S"),
    ("Memory add", "push button", "ADD INTO MEMORY", "Ctrl+P"),
    ("Copy", "push button", "COPY VALUE TO CLIPBOARD", "Ctrl+C"),
    ("Close", "push button", "", "Ctrl+Q"),
    ("Previous", "push button", "SELECT PREVIOUS VALUE", "-"),
    ("Next", "push button", "SELECT NEXT VALUE", "+"),
    ("Decimal", "check box", "DISPLAY RESULTS AS A DECIMAL VALUE", "D"),
    ("Fraction", "check box", "DISPLAY RESULTS AS A FRACTIONAL VALUE", "F"),
    ("Convert", "check box", "SET CONVERSION MODE AND UNITS", "U"),
    ("Status messages", "check box", "TURN STATUS MESSAGES ON / OFF", "H"),
]

# The readable captions at start: name -> text, or None for one on a closed panel.
CAPTIONS = {
    "Display": "0",
    "Status line": "STATUS:",
    "Current angle mode": "DEG",
    "Help line": "STATUS",
    "From unit": None,
    "To unit": None,
    "Unit set-up title": None,
    "Unit set-up row": None,
    "Unit set-up hint": None,
    "Current precision": None,
    "Precision typed": None,
    "Precision style and range": None,
}

# Keys pressed in turn, and what then reads: caption -> text, "+name"/"-name" a key or
# caption shown or hidden, "*name"/"~name" a mode key checked or not, "!name" a key disabled,
# "=where" the frame's description (what where-am-I reads).
STEPS = [
    ("Seven", {"Display": "7"}),
    ("Eight", {"Display": "78"}),
    ("Plus", {"Display": "0", "Status line": "STATUS: 78 (+)"}),
    ("Two", {"Display": "2"}),
    ("Enter", {"Display": "80", "Status line": "STATUS:", "=where": "80"}),
    (
        "Precision",
        {
            "+Current precision": True,
            "Current precision": "PRECISION: 0.00000000",
            "Precision typed": "8",
            "Precision style and range": "DECIMAL PLACES: 1-16",
            "!Sine": True,
        },
    ),
    ("Clear", {"-Current precision": True, "-Precision typed": True, "Display": "0"}),
    ("Fraction", {"*Fraction": True, "~Decimal": True}),
    ("Status messages", {"~Status messages": True, "-Help line": True}),
    (
        "Convert",
        {
            "+Unit set-up title": True,
            "Unit set-up title": "UNIT OF MEASUREMENT:",
            "+Unit set-up row": True,
            "Unit set-up row": "AREA",
            "-Display": True,
            "-Status line": True,
            "=where": "UNIT OF MEASUREMENT: AREA",
            "+Next": True,
            "+Previous": True,
            "!Seven": True,
        },
    ),
    ("Next", {"Unit set-up row": "DENSITY", "Unit set-up title": "UNIT OF MEASUREMENT:",
              "=where": "UNIT OF MEASUREMENT: DENSITY"}),
    ("Enter", {"Unit set-up title": "CURRENT UNITS:", "Unit set-up row": "ALUMINUM"}),
    ("Enter", {"Unit set-up title": "CONVERT TO:"}),
    (
        "Enter",
        {
            "-Unit set-up row": True,
            "-Next": True,
            "+From unit": True,
            "From unit": "UNITS: ALUM",
            "+To unit": True,
            "To unit": "CONVERT: ALUM",
            "*Convert": True,
            "+Display": True,
        },
    ),
]

started = []  # every process started, each the leader of its own process group
folders = []  # temporary folders made
failures = []


def check(ok, message):
    if not ok:
        failures.append(message)
        print("FAIL:", message, flush=True)


def start(command, **options):
    process = subprocess.Popen(command, start_new_session=True, **options)
    started.append(process)
    return process


def stop_all():
    for process in reversed(started):
        for sig, grace in ((signal.SIGTERM, 3), (signal.SIGKILL, 3)):
            try:
                os.killpg(process.pid, sig)
            except ProcessLookupError:
                pass
            try:
                process.wait(grace)
                break
            except subprocess.TimeoutExpired:
                continue


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(predicate, timeout=WAIT):
    end = time.monotonic() + timeout
    while True:
        pump()
        value = predicate()
        if value or time.monotonic() > end:
            return value
        time.sleep(0.02)


def start_x_server():
    # A display number drawn at random from a wide range, not the lowest free one: other test
    # runs on this machine start X servers too, and two that pick the same number at the same
    # moment lose one of them. One taken already fails at once: the next is tried.
    for number in random.Random().sample(range(100, 30000), 20):
        if os.path.exists(f"/tmp/.X{number}-lock"):
            continue
        read_end, write_end = os.pipe()
        # -noreset: the server stays up when its last client leaves (the bus launcher), or a
        # program connecting at that moment is refused.
        xvfb = start(
            ["Xvfb", f":{number}", "-displayfd", str(write_end), "-noreset", "-nolisten", "tcp",
             "-screen", "0", "640x480x24"],
            pass_fds=(write_end,),
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
        )
        os.close(write_end)
        number = read_display_line(read_end, 30)
        if number:
            return ":" + number
        xvfb.wait()
    raise RuntimeError("Xvfb found no free display")


def start_accessibility_bus(env):
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env)
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)

    def owned():
        reply = session.call_sync(
            "org.freedesktop.DBus",
            "/org/freedesktop/DBus",
            "org.freedesktop.DBus",
            "NameHasOwner",
            GLib.Variant("(s)", ("org.a11y.Bus",)),
            GLib.VariantType("(b)"),
            Gio.DBusCallFlags.NONE,
            1000,
            None,
        )
        return reply.unpack()[0]

    if not wait_for(owned, 10):
        raise RuntimeError("the accessibility bus did not start")


def find_frame(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        try:
            if app is None or app.get_process_id() != pid:
                continue
            for j in range(app.get_child_count()):
                frame = app.get_child_at_index(j)
                if frame is not None and frame.get_child_count() > 0:
                    return frame
        except GLib.Error:
            continue  # an application leaving the bus
    return None


def state(node, kind):
    return node.get_state_set().contains(kind)


def describe(node, depth):
    role = node.get_role_name()
    line = "  " * depth + f"{role}: {node.get_name()}"
    if role == "label":
        line += f' = "{node.get_text(0, -1)}"'
    if state(node, Atspi.StateType.CHECKED):
        line += " [checked]"
    if not state(node, Atspi.StateType.SHOWING):
        line += " (hidden)"
    return line


def check_start(frame, objects, key_count):
    check(frame.get_role_name() == "frame", f"window role {frame.get_role_name()!r}, not frame")
    check(frame.get_name() == "Calculator", f"window name {frame.get_name()!r}")

    keys = [n for n, o in objects.items() if o.get_role_name() in ("push button", "check box")]
    check(len(keys) == key_count, f"{len(keys)} keys, not the key table's {key_count}")
    for name in keys:
        node = objects[name]
        # Spoken names read as words, never as the help line's capitals.
        check(name[:1].isupper() and not name.isupper(), f"key name {name!r} reads badly")
        check(name != node.get_description(), f"key {name!r} is named by its help text")
        check(node.get_n_actions() == 1, f"key {name!r} has not exactly one action")
    for name, role, description, binding in KEYS:
        node = objects.get(name)
        check(node is not None, f"no key named {name!r}")
        if node is None:
            continue
        check(node.get_role_name() == role, f"{name}: role {node.get_role_name()!r}, not {role}")
        check(node.get_description() == description, f"{name}: description")
        check(node.get_key_binding(0) == binding, f"{name}: key {node.get_key_binding(0)!r}")
    check(state(objects["Decimal"], Atspi.StateType.CHECKED), "Decimal not checked at start")
    check(not state(objects["Fraction"], Atspi.StateType.CHECKED), "Fraction checked at start")
    check(not state(objects["Next"], Atspi.StateType.SHOWING), "Next shown with the panel closed")

    for name, text in CAPTIONS.items():
        node = objects.get(name)
        check(node is not None and node.get_role_name() == "label", f"no label named {name!r}")
        if node is None:
            continue
        check(state(node, Atspi.StateType.SHOWING) == (text is not None), f"{name}: shown")
        if text is not None:
            check(node.get_text(0, -1) == text, f"{name}: {node.get_text(0, -1)!r}")
    labels = [n for n, o in objects.items() if o.get_role_name() == "label"]
    check(len(labels) == len(CAPTIONS), f"labels {sorted(labels)}")
    # The form keeps the keyboard; nothing a screen reader reaches takes it.
    for name, node in objects.items():
        check(not state(node, Atspi.StateType.FOCUSABLE), f"{name} takes the focus")
    check_extents(frame, objects["Display"])


def check_extents(frame, label):
    """Each character of a caption has its own place on the screen, inside the frame, left to
    right: flat review places the text by these."""
    screen = Atspi.CoordType.SCREEN
    window = frame.get_extents(screen)
    text = label.get_text(0, -1)
    lefts = []
    for i in range(len(text)):
        box = label.get_character_extents(i, screen)
        check(box.width > 0 and box.height > 0, f"character {i} of {text!r} has no size")
        check(window.x <= box.x and box.x + box.width <= window.x + window.width and
              window.y <= box.y and box.y + box.height <= window.y + window.height,
              f"character {i} of {text!r} lies outside the window")
        lefts.append(box.x)
    check(lefts == sorted(set(lefts)), f"the characters of {text!r} are not left to right")
    whole = label.get_range_extents(0, len(text), screen)
    check(whole.width > 0, f"{text!r} has no extent")


def holds(objects, name, expected):
    if name == "=where":
        return objects["=frame"].get_description() == expected
    node = objects[name.lstrip("+-*~!")]
    if name[0] == "+":
        return state(node, Atspi.StateType.SHOWING)
    if name[0] == "-":
        return not state(node, Atspi.StateType.SHOWING)
    if name[0] == "*":
        return state(node, Atspi.StateType.CHECKED)
    if name[0] == "~":
        return not state(node, Atspi.StateType.CHECKED)
    if name[0] == "!":
        return not state(node, Atspi.StateType.ENABLED)
    return node.get_text(0, -1) == expected


def play_steps(objects):
    for key, expected in STEPS:
        check(objects[key].do_action(0), f"{key} refused its action")
        wait_for(lambda: all(holds(objects, n, v) for n, v in expected.items()))
        for name, value in expected.items():
            check(holds(objects, name, value), f"after {key}: {name} not {value!r}")


def run(calculator, key_count):
    display = start_x_server()
    env = dict(os.environ, DISPLAY=display)
    env.pop("WAYLAND_DISPLAY", None)
    start_accessibility_bus(env)
    Atspi.init()

    runtime = tempfile.mkdtemp(prefix="calc-a11y-")  # private to its owner, as Qt wants it
    folders.append(runtime)
    env.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_RUNTIME_DIR=runtime)
    program = start([calculator], env=env)
    frame = wait_for(lambda: find_frame(program.pid), 15)
    if frame is None:
        raise RuntimeError("the calculator did not appear on the accessibility bus")

    nodes = []

    def walk(node, depth):
        nodes.append((node, depth))
        for i in range(node.get_child_count()):
            walk(node.get_child_at_index(i), depth + 1)

    walk(frame, 0)
    print("The tree as a screen reader reads it:")
    for node, depth in nodes:
        print(describe(node, depth))
    objects = {}
    # The notifications that say each command's message are named by the message.
    notifications = [n for n, _ in nodes[1:] if n.get_role_name() == "notification"]
    check(notifications, "no notification to say the messages")
    for node in notifications:
        check(not state(node, Atspi.StateType.FOCUSABLE), "a notification takes the focus")
    for node, _ in nodes[1:]:
        if node.get_role_name() == "notification":
            continue
        check(node.get_name() not in objects, f"two objects named {node.get_name()!r}")
        objects[node.get_name()] = node

    check_start(frame, objects, key_count)
    objects["=frame"] = frame
    play_steps(objects)

    check(objects["Close"].do_action(0), "Close refused its action")
    try:
        check(program.wait(WAIT) == 0, "the calculator did not end cleanly on Close")
    except subprocess.TimeoutExpired:
        check(False, "the calculator stayed open after Close")


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    # Every key of the key table, as the form itself lists them.
    face_map = subprocess.run([sys.argv[2]], check=True, capture_output=True, text=True).stdout
    key_count = sum(1 for line in face_map.splitlines() if line.startswith("key "))

    def terminated(_signum, _frame):
        raise SystemExit("stopped from outside")

    signal.signal(signal.SIGTERM, terminated)
    try:
        run(os.path.abspath(sys.argv[1]), key_count)
    except (RuntimeError, GLib.Error) as error:
        check(False, str(error))
    finally:
        stop_all()
        for folder in folders:
            shutil.rmtree(folder, ignore_errors=True)
    print(f"{len(failures)} failed" if failures else "all checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
