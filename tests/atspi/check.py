"""Reads the running game over the AT-SPI bus, as a screen reader does: the
cards, the counter, the task line, the slogan link and the menu entries, and
presses cards through their actions."""
import subprocess
import sys
import time

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

results = []


def check(what, ok, detail=""):
    results.append(ok)
    print(("PASS   " if ok else "FAIL!  ") + what + ("" if ok else "  -- " + str(detail)), flush=True)


# Switch the accessibility bus on, as a screen reader does on starting.
subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
bus = Gio.bus_get_sync(Gio.BusType.SESSION)
for _ in range(100):
    try:
        bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                      GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))),
                      None, Gio.DBusCallFlags.NONE, 2000, None)
        break
    except GLib.Error:
        time.sleep(0.1)

import pyatspi  # noqa: E402  (after the bus is up)

game = subprocess.Popen([sys.argv[1]])


def tree(node):
    yield node
    for child in (node.getChildAtIndex(i) for i in range(node.childCount)):
        if child is not None:
            yield from tree(child)


def find_app():
    for _ in range(600):  # a loaded machine may take a while
        apps = [a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "tukrosdi" and a.childCount]
        if apps:
            return apps[0]
        time.sleep(0.1)


def press(node):
    action = node.queryAction()
    return any(action.getName(i) in ("Press", "press") and action.doAction(i) for i in range(action.nActions))


def settle(until, seconds=20):
    """Lets the bus deliver what the game sends, until `until()` holds."""
    end = time.time() + seconds
    while time.time() < end and not until():
        GLib.MainContext.default().iteration(False)
        time.sleep(0.01)


try:
    app = find_app()
    check("the game appears on the accessibility bus", app is not None)
    if app is None:
        sys.exit(1)
    nodes = [(n.getRoleName(), n.name, n) for n in tree(app)]
    names = {(role, name) for role, name, _ in nodes}

    cards = [(name, n) for role, name, n in nodes if role == "push button" and name.startswith("lefordított kártya")]
    expected = {f"lefordított kártya, {r}. sor, {c}. oszlop" for r in range(1, 5) for c in range(1, 5)}
    check("16 face-down cards named by their place", {name for name, _ in cards} == expected, cards)
    check("the task line is a label", ("label", "Keresd meg az össztartozó párokat!") in names)
    check("the counter is a label named by its text", ("label", "0 fordítás") in names)
    slogan = [n for role, name, n in nodes if role == "link" and name.startswith("Örömteli olvasás")]
    check("the slogan line is a link that can be pressed", len(slogan) == 1 and slogan[0].queryAction().nActions >= 1)
    menu = {name for role, name in names if role == "menu item"}
    check("menu entries named by their captions", menu >= {"Új játék", "Beállítások...", "Kilép", "Súgó", "Névjegy..."},
          sorted(menu))

    counter = [n for role, name, n in nodes if role == "label" and name == "0 fordítás"][0]
    events = []
    pyatspi.Registry.registerEventListener(lambda e: events.append(e.source.name),
                                           "object:property-change:accessible-name")
    first, second = cards[0][1], cards[5][1]
    press(first)
    settle(lambda: not first.name.startswith("lefordított"))
    check("a pressed card turns and is named by its word", first.name and not first.name.startswith("lefordított"),
          first.name)
    press(second)
    settle(lambda: " 1 fordítás" in events)
    check("the counter reads the turn and announces it by a name-changed event",
          counter.name == " 1 fordítás" and " 1 fordítás" in events, (counter.name, events))
finally:
    game.kill()
    game.wait()

print(f"{results.count(True)} passed, {results.count(False)} failed")
sys.exit(0 if all(results) else 1)
