"""The Move List of an opened game: its review graph and marks as they are on screen, a click
on a point of the graph taking the board to that move, and Replay with Pause and Resume."""

import os
import re
import subprocess
import sys
import time

from accessible import (Atspi, Failure, application, children, choose, position, role, run_cases, showing, wait_for,
                        walk, xdotool)
from rules import played, start_position

# The graph's colours: white's side, yellow's side, and the three marks.
COLOURS = {"white": "rgb(255,255,255)", "yellow": "rgb(255,255,0)", "inaccuracy": "rgb(40,110,240)",
           "mistake": "rgb(240,130,0)", "blunder": "rgb(220,0,0)"}


def game_moves():
    with open(os.environ["GAME_FILE"]) as game:
        lines = game.read().split("\n")
    moves = lines[lines.index("moves") + 1:lines.index("end")]
    return [tuple(int(field) for field in line.split("-")) for line in moves]


def position_after(moves):
    """The position after some moves of the game file from the Standard layout, by the rules."""
    cells = start_position()
    for ply, (fr, fc, tr, tc, clone) in enumerate(moves):
        cells = played(cells, ((fr, fc), (tr, tc), clone == 1), 1 + ply % 2)
    return cells


def move_list():
    return wait_for("the Move List", lambda: next((w for w in children(application())
                                                   if w.get_name() == "Move List" and showing(w)), None))


def lines():
    return [n.get_name() for n in walk(move_list()) if role(n) == "list item"]


def graph():
    return next(n for n in walk(move_list()) if n.get_name() == "Review graph")


def button(name):
    return next(n for n in walk(move_list()) if role(n) == "push button" and n.get_name() == name)


def colour_pixels(picture, colour):
    out = subprocess.run(["convert", picture, "-alpha", "off", "-fill", "black", "-fuzz", "6%", "+opaque", colour,
                          "-fill", "white", "-opaque", colour, "-format", "%[fx:round(mean*w*h)]", "info:"],
                         capture_output=True, text=True, check=True)
    return int(out.stdout)


def case_graph_on_screen():
    xdotool("key", "ctrl+o")
    wait_for("the Open Game dialog",
             lambda: any(w.get_name() == "Open Game" and showing(w) for w in children(application())))
    time.sleep(0.5)
    xdotool("type", os.environ["GAME_FILE"])
    xdotool("key", "Return")
    moves = game_moves()
    wait_for("the opened game", lambda: position() == position_after(moves))
    choose("Moves", "Move List")
    reviewed = wait_for("every move reviewed",
                        lambda: len(lines()) == len(moves) + 1 and all(re.search(r"   -\d+( \?[!?]?)?$", line) for line in lines()[1:])
                        and lines(), seconds=30)
    marked = [line for line in reviewed if "?" in line]
    extents = graph().get_extents(Atspi.CoordType.SCREEN)
    shot = os.path.join(os.environ["SHOTS"], "review-graph.png")
    subprocess.run(["import", "-window", "root", "-crop",
                    f"{extents.width}x{extents.height}+{extents.x}+{extents.y}", "+repage", shot], check=True)
    subprocess.run(["import", "-window", "root", os.path.join(os.environ["SHOTS"], "review-screen.png")], check=True)
    counts = {name: colour_pixels(shot, colour) for name, colour in COLOURS.items()}
    if counts["white"] + counts["yellow"] < 100:
        raise Failure(f"the graph shows no values: {counts}")
    if marked and counts["inaccuracy"] + counts["mistake"] + counts["blunder"] < 10:
        raise Failure(f"{len(marked)} moves are marked in the list, none on the graph: {counts}")
    return f"{len(moves)} moves, {len(marked)} marked ({marked[0]!r} ...); pixels {counts}"


def case_click_a_point():
    moves = game_moves()
    extents = graph().get_extents(Atspi.CoordType.SCREEN)
    step = (extents.width - 8) / len(moves)
    for ply in (12, 25):
        x = extents.x + 4 + round(step * (ply - 0.5))
        xdotool("mousemove", x, extents.y + extents.height // 2, "click", 1)
        wait_for(f"the board after move {ply}", lambda: position() == position_after(moves[:ply]))
    return "the board went to moves 12 and 25"


def case_replay_and_pause():
    moves = game_moves()
    xdotool("mousemove", *centre(button("Replay")), "click", 1)
    wait_for("the start position", lambda: position() == position_after([]))
    wait_for("the replay under way", lambda: position() == position_after(moves[:2]), seconds=5)
    xdotool("mousemove", *centre(button("Pause")), "click", 1)
    held = position()
    time.sleep(2.5)
    if position() != held:
        raise Failure("the replay went on while paused")
    xdotool("mousemove", *centre(button("Resume")), "click", 1)
    wait_for("the replay going on", lambda: position() != held, seconds=5)
    return "Replay from the start, held by Pause, on again with Resume"


def centre(node):
    extents = node.get_extents(Atspi.CoordType.SCREEN)
    return extents.x + extents.width // 2, extents.y + extents.height // 2


if __name__ == "__main__":
    sys.exit(run_cases([
        ("graph-on-screen", case_graph_on_screen),
        ("click-a-point", case_click_a_point),
        ("replay-and-pause", case_replay_and_pause),
    ]))
