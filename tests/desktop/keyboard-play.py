"""Keyboard play and the board as a screen reader meets it, against the computer at level 0:
the cells and their names, the focus following the cursor's keys, each move said by the
status bar and by the focused cell, and a whole game played with keys alone."""

import sys
import time

from accessible import (NAME, Atspi, Failure, GLib, board, boxes, cells, children, choose, focused_cell, position,
                        role, run_cases, wait_for, xdotool)
from rules import moves_of, taken_by

class Heard:
    """The accessibility events of some types that the game sends, as they arrive."""

    def __init__(self, *types):
        self.events = []
        self.listener = Atspi.EventListener.new(self.hear)
        for kind in types:
            self.listener.register(kind)

    def hear(self, event):
        try:
            source = event.source
            self.events.append((event.type, role(source), source.get_name(), source.get_description(),
                                event.detail1))
        except GLib.Error:
            pass

    def wait(self, what, match, seconds=10.0):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            while GLib.MainContext.default().iteration(False):
                pass
            found = next((e for e in self.events if match(*e)), None)
            if found:
                return found
            time.sleep(0.02)
        raise Failure(f"{what}: not heard within {seconds:g} s (heard {self.events[-5:]})")


def status():
    surface = cells().get_parent()
    return next(c.get_name() for c in children(surface) if role(c) == "status bar")


def key(*names):
    xdotool("key", "--delay", "60", *names)


def case_cells_and_focus():
    choose("Game", "Start")
    wait_for("the placed layout", lambda: board() == ("9", "9", 18))
    board_cells = position()
    if len(board_cells) != 58 or (3, 4) in board_cells or (5, 5) in board_cells or (7, 6) in board_cells:
        raise Failure(f"{len(board_cells)} cells listed, holes included or not: {sorted(board_cells)}")
    names = [c.get_name() for c in children(cells())]
    in_order = sorted(names, key=lambda n: tuple(map(int, NAME.match(n).group(1, 2))))
    if names[0] != "Row 1, column 1: empty" or names != in_order:
        raise Failure(f"the cells are not in rows then columns: {names[:3]}")
    focused = wait_for("a focused cell", focused_cell)
    if focused != "Row 3, column 7: white piece":
        raise Failure(f"the game starts with {focused!r} focused")
    surface = cells().get_parent()
    markers = sorted(c.get_name() for c in children(surface) if role(c) == "filler")
    if markers != ["White: 9 pieces", "Yellow: 9 pieces"]:
        raise Failure(f"the markers are named {markers}")
    heard = Heard("object:state-changed:focused")
    key("Up")
    heard.wait("the focus on 3-6", lambda kind, r, name, d, on: on == 1 and name == "Row 3, column 6: empty")
    key("Left")
    heard.wait("the focus on 2-5", lambda kind, r, name, d, on: on == 1 and name == "Row 2, column 5: empty")
    key("Right", "Down")
    heard.wait("the focus back on 3-7", lambda kind, r, name, d, on: on == 1 and name.startswith("Row 3, column 7"))
    return "58 cells, the focus follows Up, Left, Right and Down"


def case_move_spoken():
    heard = Heard("object:property-change:accessible-name", "object:property-change:accessible-description")
    key("space", "Up", "Return")
    said = "White: 3-7 to 3-6, clone, 0 captured. Yellow to move."
    heard.wait("the status bar saying the move",
               lambda kind, r, name, d, on: r == "status bar" and name == said and kind.endswith("name"))
    heard.wait("the focused cell's description saying it",
               lambda kind, r, name, d, on: kind.endswith("description") and d == said
               and name == "Row 3, column 6: white piece")
    reply = heard.wait("the computer's reply said",
                       lambda kind, r, name, d, on: r == "status bar" and name.startswith("Yellow: "))
    return f'heard "{said}" and "{reply[2]}"'


def result_box():
    return next(((title, texts) for title, texts, _ in boxes() if title == "Results:"), None)


def case_whole_game():
    """White, here, picks the move that takes most, played by Space, arrows and Return when the
    cursor is on its piece and the target in the same on-screen column, else typed."""
    moves = typed = 0
    said = status()
    while True:
        box = result_box()
        if box:
            key("Return")
            return f"{moves} moves by keys ({typed} typed), then: {' '.join(box[1])}"
        if not said.endswith("White to move."):
            raise Failure(f"white's turn expected, the status says {said!r}")
        now = position()
        cursor = NAME.match(focused_cell() or "Row 0, column 0: empty")
        at = (int(cursor[1]), int(cursor[2]))
        options = moves_of(now, 1)
        if not options:
            raise Failure("white has no move and no result box came")
        best = max(options, key=lambda m: (2 * taken_by(now, m, 1) + m[2], m[0] == at and m[1][0] == at[0]))
        (source, target, _) = best
        if source == at and target[0] == at[0]:
            steps = target[1] - at[1]
            key("space", *(["Down"] * steps if steps > 0 else ["Up"] * -steps), "Return")
        else:
            key(*f"{source[0]} {source[1]} minus {target[0]} {target[1]}".split())
            typed += 1
        moves += 1
        before = said
        wait_for("the computer's reply or the result",
                 lambda: result_box() or (status() != before and status().endswith("White to move.")), seconds=20)
        said = status()


if __name__ == "__main__":
    sys.exit(run_cases([
        ("cells-and-focus", case_cells_and_focus),
        ("move-spoken", case_move_spoken),
        ("whole-game", case_whole_game),
    ]))
