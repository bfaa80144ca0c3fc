"""The game started in the pseudo-language, read as a screen reader reads it: every text of the
main window and its menus, the Players dialog, How to Play and a result box is pseudo-translated
(bracketed, its vowels accented), so no text on them escaped the translations."""

import os
import re
import sys
import time

from accessible import (Failure, application, children, main_window, role, run_cases, showing, wait_for, walk,
                        windows, xdotool)

# A word of English: ASCII letters holding a plain vowel. The pseudo-language accents every
# vowel of its texts; only the values put into them (numbers, a move) stay plain.
ENGLISH_WORD = re.compile(r"[A-Za-z]*[aeiou][A-Za-z]*")


def english_left(text):
    """What of a shown text is still English, or None when it is all pseudo-translated."""
    if not re.search(r"[^\W\d_]", text):
        return None  # a number, a port, a move: no words
    words = ENGLISH_WORD.findall(text)
    if words or "[" not in text:
        return " ".join(words) or text
    return None


def texts_of(window, skip=()):
    """Every name a screen reader reads in a window: its title, labels, buttons, menu items."""
    for node in walk(window):
        name = node.get_name() or ""
        if name and name not in skip and role(node) not in ("text", "spin button"):
            yield role(node), name


def check_all(window, skip=()):
    checked = 0
    for what, text in texts_of(window, skip):
        left = english_left(text)
        if left:
            raise Failure(f"{what} {text!r} is not translated ({left!r})")
        checked += 1
    return checked


def box(title_test):
    return wait_for("a box", lambda: next((w for w in children(application())
                                           if showing(w) and w is not None and title_test(w.get_name())), None))


def case_main_window():
    window = wait_for("the main window", main_window)
    # The caption stays "Tessaron 2.2": the program's name and version.
    count = check_all(window, skip=(window.get_name(),))
    if count < 60:
        raise Failure(f"only {count} texts read: the menus, the board's cells and the status line were expected")
    return f"{count} texts"


def case_players_dialog():
    xdotool("key", "alt+o")
    time.sleep(0.5)
    xdotool("key", "Return")  # Players, the first item
    dialog = box(lambda name: name.startswith("[") and "Tessaron" not in name)
    time.sleep(0.3)
    count = check_all(dialog)
    xdotool("key", "Escape")
    wait_for("the Players dialog closed", lambda: not showing(dialog))
    if count < 20:
        raise Failure(f"only {count} texts read in the Players dialog")
    return f"{dialog.get_name()}: {count} texts"


def case_how_to_play():
    xdotool("key", "F1")
    window = box(lambda name: name.startswith("[") and "Tessaron" not in name)
    time.sleep(0.3)
    count = check_all(window)
    xdotool("key", "Escape")
    wait_for("How to Play closed", lambda: not showing(window))
    return f"{window.get_name()}: {count} texts"


def case_result_box():
    # A finished game opened: the side to move has none left, and the result is told at once.
    xdotool("key", "ctrl+o")
    dialog = box(lambda name: name.startswith("["))
    time.sleep(0.5)
    xdotool("type", os.environ["GAME_FILE"])
    xdotool("key", "Return")
    wait_for("the open dialog closed", lambda: not showing(dialog))
    result = box(lambda name: name.startswith("[") and "Tessaron" not in name)
    time.sleep(0.3)
    count = check_all(result)
    texts = [text for _, text in texts_of(result)]
    xdotool("key", "Return")
    return f"{result.get_name()}: {texts}"


if __name__ == "__main__":
    sys.exit(run_cases([("main window", case_main_window), ("Players dialog", case_players_dialog),
                        ("How to Play", case_how_to_play), ("result box", case_result_box)]))
