"""The game as a screen reader sees it, over the AT-SPI bus, and a player's mouse and keys
through xdotool. Used by the desktop cases written in Python; the desktop comes from
desktop-env.sh (desktop_start, accessibility_start, game_start)."""

import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


class Failure(Exception):
    pass


def wait_for(what, condition, seconds=10.0):
    """The first true value of condition() within the time, or a Failure naming what. A reading
    the program did not answer in time over the bus (it is busy) counts as not yet."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            value = condition()
        except GLib.Error:
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"{what}: not within {seconds:g} s")
        time.sleep(0.05)


def settled(read):
    """A reading of the tree that is tried again when an object vanishes under it (a piece
    removed, a box closed) while it walks."""
    def reading(*args):
        for _ in range(20):
            try:
                return read(*args)
            except GLib.Error:
                time.sleep(0.05)
        return read(*args)
    reading.__doc__ = read.__doc__
    return reading


def game_alive():
    pid = int(os.environ["GAME_PID"])
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().split(") ", 1)[1][0] != "Z"
    except OSError:
        return False


def application():
    """The game's application on the bus: the one of GAME_PID when two copies run."""
    desktop = Atspi.get_desktop(0)
    wanted = int(os.environ["GAME_PID"]) if os.environ.get("GAME_PID") else None
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == "tessaron" and (wanted is None or app.get_process_id() == wanted):
            return app
    return None


def children(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield child


def walk(node):
    yield node
    for child in children(node):
        yield from walk(child)


def role(node):
    return node.get_role_name()


def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


@settled
def windows():
    """The game's top-level windows that are on screen: the main window, boxes, dialogs."""
    app = application()
    return [w for w in children(app) if showing(w)] if app else []


@settled
def main_window():
    return next((w for w in windows() if w.get_name().startswith("Tessaron ")), None)


@settled
def status_text():
    """The status line at the bottom: the one label that sits in a frame of its own."""
    window = main_window()
    if not window:
        return None
    for node in walk(window):
        if role(node) == "label":
            parent = node.get_parent()
            if parent is not None and role(parent) == "frame":
                return node.get_name()
    return None


def board_surface():
    """The board surface: the object that holds the two score captions and the list of cells."""
    window = main_window()
    for node in walk(window):
        kids = list(children(node))
        if sum(role(c) == "label" for c in kids) == 2 and any(role(c) == "list" for c in kids):
            return node
    raise Failure("no board surface with two score captions and a list of cells")


def cells():
    """The list of the board's cells, as a screen reader meets it."""
    return next(c for c in children(board_surface()) if role(c) == "list")


# A cell's accessible name.
NAME = re.compile(r"Row (\d), column (\d): (white piece|yellow piece|empty)$")


def position(board=None):
    """The board as the cells' names tell it: {(row, col): 0, 1 or 2}; from the list of cells
    given, found before, else found now."""
    found = {}
    for cell in children(board or cells()):
        match = NAME.match(cell.get_name())
        if not match:
            raise Failure(f"a cell is named {cell.get_name()!r}")
        found[(int(match[1]), int(match[2]))] = {"white piece": 1, "yellow piece": 2, "empty": 0}[match[3]]
    return found


def focused_cell():
    return next((c.get_name() for c in children(cells())
                 if c.get_state_set().contains(Atspi.StateType.FOCUSED)), None)


@settled
def board():
    """The two score captions and the number of pieces on the board, read from the cells."""
    surface = board_surface()
    labels = [c for c in children(surface) if role(c) == "label"]
    names = [c.get_name() for c in children(cells())]
    pieces = sum(name.endswith(" piece") for name in names)
    return labels[0].get_name(), labels[1].get_name(), pieces


@settled
def boxes():
    """The open windows other than the main window, as (title, texts of their labels)."""
    found = []
    for window in windows():
        if window.get_name().startswith("Tessaron "):
            continue
        texts = [n.get_name() for n in walk(window) if role(n) == "label" and n.get_name()]
        found.append((window.get_name(), texts, window))
    return found


def centre(node):
    extents = node.get_extents(Atspi.CoordType.SCREEN)
    return extents.x + extents.width // 2, extents.y + extents.height // 2


def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True)


def click(node):
    x, y = centre(node)
    xdotool("mousemove", x, y, "click", 1)


def find(root, wanted_role, name):
    return next((n for n in walk(root) if role(n) == wanted_role and n.get_name() == name), None)


def choose(title, item):
    """Opens a menu of the main window with a click on its title, and clicks one of its items."""
    window = wait_for("the main window", main_window)
    bar = next(n for n in walk(window) if role(n) == "menu bar")
    menu = find(bar, "menu item", title)
    click(menu)
    entry = wait_for(f"{title} > {item} on screen",
                     lambda: next((n for n in walk(menu) if role(n) == "menu item" and n.get_name() == item
                                   and showing(n) and n.get_extents(Atspi.CoordType.SCREEN).width > 0), None))
    time.sleep(0.2)
    click(entry)


def run_cases(cases):
    """Runs each case in turn; a case raises Failure to fail. Prints a line a case. With CASE
    set, only the case of that name runs."""
    failed = 0
    for name, case in cases:
        if os.environ.get("CASE", name) != name:
            continue
        started = time.monotonic()
        try:
            detail = case()
            print(f"ok   {name} ({time.monotonic() - started:.1f} s){': ' + detail if detail else ''}", flush=True)
        except Failure as failure:
            failed += 1
            print(f"FAIL {name}: {failure}", flush=True)
        if not game_alive():
            print(f"FAIL {name}: the game is no longer running", flush=True)
            return 1
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit("a module for the desktop cases")
