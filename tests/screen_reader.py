"""What a screen reader hears of the toy through AT-SPI, as Orca listens: the
canvas's name and how to plant with the keyboard; the praise's count as each
release shows it; and a message as an alert with its text. Run on a session
bus with DISPLAY set: screen_reader.py PROGRAM. Says what was missed and
exits 1."""
import subprocess
import sys

import pyatspi
from gi.repository import GLib

heard = []
missed = ["the canvas", "the count", "the message"]


def xdotool(*args):
    window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Qimbora1\\.0$"],
                            capture_output=True, text=True).stdout.split()[0]
    subprocess.run(["xdotool", "mousemove", "--window", window, *args])


def walk(node):
    yield node
    for child in node or []:
        yield from walk(child)


def found(check):
    return any(node and check(node) for app in pyatspi.Registry.getDesktop(0) for node in walk(app))


def find_canvas():
    if not found(lambda node: node.name.startswith("画布") and "空格键" in node.description):
        return True
    missed.remove("the canvas")
    xdotool("400", "300", "click", "1")
    return False


def on_name(event):
    heard.append(str(event.any_data))
    # Each praise until the message: letters for the petals, then a press (again if letters were lost).
    if "朵花" in heard[-1] and "the message" in missed:
        if "共画了1朵花" in heard[-1]:
            missed.remove("the count")
        xdotool("100", "716", "click", "--repeat", "3", "1", "type", "abc")
        xdotool("400", "300", "click", "1")
        GLib.timeout_add(200, find_message)


def find_message():
    def is_message(node):
        return node.getRole() == pyatspi.ROLE_ALERT and any(
            child and "花瓣数量" in child.name for child in walk(node))
    if not found(is_message):
        return True
    missed[:] = [thing for thing in missed if thing != "the message"]  # a second poll may find it too
    pyatspi.Registry.stop()
    return False


def give_up():
    pyatspi.Registry.stop()
    return False


pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
toy = subprocess.Popen([sys.argv[1], "--mute"])
GLib.timeout_add(200, find_canvas)
GLib.timeout_add(60000, give_up)
pyatspi.Registry.start()
toy.terminate()
toy.wait()
if missed:
    print("not heard: " + ", ".join(missed) + "; names heard: " + "; ".join(heard))
sys.exit(1 if missed else 0)
