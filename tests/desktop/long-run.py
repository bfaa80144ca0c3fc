"""Games in a row on the real program, with what the process holds measured between them: the
computers' games of tools/long-run, and network games between two copies."""

import os
import random
import subprocess
import sys
import time

import accessible
from rules import filled_at_end, moves_of, played, start_position, taken_by
from accessible import Failure, GLib, boxes, choose, game_alive, wait_for, xdotool

LAYOUTS = ["Standard", "American", "Swedish"]


def held(pid):
    """Resident memory in KiB, open descriptors and threads of a process, and of the memory the
    part that is its own (anonymous) and the part read from files (libraries, fonts)."""
    with open(f"/proc/{pid}/status") as status:
        fields = dict(line.split(":", 1) for line in status)
    kib = {name: int(fields[name].split()[0]) for name in ("VmRSS", "RssAnon", "RssFile")}
    return (kib["VmRSS"], len(os.listdir(f"/proc/{pid}/fd")), int(fields["Threads"]), kib["RssAnon"], kib["RssFile"])


def settled(pid):
    """What a process holds once what it opens for a moment is closed again: the fewest
    descriptors and threads of five readings a third of a second apart. A single reading can
    catch a file being written or a folder being listed, and once counted that as a leak."""
    readings = []
    for _ in range(5):
        readings.append(held(pid))
        time.sleep(0.3)
    last = readings[-1]
    return (last[0], min(r[1] for r in readings), min(r[2] for r in readings), last[3], last[4])


def descriptors(pid):
    """What each open descriptor refers to, for the message when their number grew."""
    folder = f"/proc/{pid}/fd"
    found = []
    for name in sorted(os.listdir(folder), key=int):
        try:
            found.append(os.readlink(os.path.join(folder, name)))
        except OSError:
            pass
    return found


def start_game(settings):
    """Starts the program with its own settings; its process id."""
    config = os.path.join(os.environ["DESKTOP_TMP"], f"config-{len(os.listdir(os.environ['DESKTOP_TMP']))}")
    os.makedirs(os.path.join(config, "Tessaron"))
    with open(os.path.join(config, "Tessaron", "registry.reg"), "w") as registry:
        registry.write("[HKEY_CURRENT_USER\\Software\\Tessaron]\n" + settings)
    log = open(os.path.join(os.environ["DESKTOP_TMP"], f"game-{os.getpid()}-{time.monotonic_ns()}.log"), "w")
    game = subprocess.Popen([os.environ["TESSARON_BIN"]], cwd=os.environ["TESSARON_ASSETS"], stdout=log,
                            stderr=subprocess.STDOUT, env=dict(os.environ, XDG_CONFIG_HOME=config))
    return game


def result_box():
    return next((texts for title, texts, _ in boxes() if title == "Results:"), None)


def activate(title):
    """Activates the game's visible window whose title matches, if it has one."""
    found = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", os.environ["GAME_PID"],
                            "--name", title], capture_output=True, text=True).stdout.split()
    if found:
        subprocess.run(["xdotool", "windowactivate", "--sync", found[0]], capture_output=True, timeout=10)


def open_dialog(keys, title):
    """The file dialog of a shortcut, which is pressed again, with the main window activated,
    when no dialog has come: on a busy machine a key can reach the window before it has the
    keyboard back from the box or list closed just before."""
    for _ in range(3):
        xdotool("key", keys)
        try:
            return wait_for(f"the {title} dialog", lambda: any(t == title for t, _, _ in boxes()))
        except Failure:
            activate("^Tessaron 2\\.2$")
    raise Failure(f"no {title} dialog after {keys} three times")


def close_result_box():
    """Return on the result box, again while the box stays: on a busy machine the box can be
    read over the accessibility bus before it has the keyboard."""
    for _ in range(6):
        activate("^Results:$")
        xdotool("key", "Return")
        try:
            return wait_for("the result box closed", lambda: not result_box(), 5)
        except Failure:
            pass
    raise Failure("the result box stayed on screen through six Returns")


def computers_games(count):
    """Each game is opened from a file naming its layout and two computers at a level from 0
    to 3; the computers play it to its result, and between games the player looks back."""
    settings = "".join(f'"{name}"=dword:{value:08x}\n' for name, value in
                       [("Type1", 1), ("Type2", 1), ("Level1", 0), ("Level2", 0), ("Algo1", 2), ("Algo2", 3),
                        ("Branch1", 5), ("Branch2", 5), ("Sound", 0), ("Board", 1)])
    settings += '"HostClient"="127.0.0.1"\n"PortClient"="1024"\n"PortServer"="1024"\n'
    game = start_game(settings)
    os.environ["GAME_PID"] = str(game.pid)
    wait_for("the main window", accessible.main_window, seconds=30)
    folder = os.path.join(os.environ["DESKTOP_TMP"], "games")
    os.makedirs(folder, exist_ok=True)
    figures = {}
    started = time.monotonic()
    for number in range(1, count + 1):
        level, layout = (number - 1) % 4, LAYOUTS[(number - 1) % 3]
        start = os.path.join(folder, f"start-{number}.tgame")
        with open(start, "w") as opening:
            opening.write(f"Tessaron game 1\nlayout {layout}\n"
                          f"player 1 Computer level {level} branch 5 algorithm Alpha-Beta\n"
                          f"player 2 Computer level {level} branch 5 algorithm Home Made\nmoves\nend\n")
        open_dialog("ctrl+o", "Open Game")
        time.sleep(0.3)
        xdotool("type", start)
        xdotool("key", "Return")
        texts = wait_for(f"the result of game {number}", result_box, seconds=600)
        close_result_box()
        # Looking back: the final position, the moves, a hint, and the game saved.
        xdotool("key", "ctrl+z")
        xdotool("key", "ctrl+y")
        choose("Moves", "Move List")
        time.sleep(0.5)
        choose("Moves", "Move List")
        xdotool("key", "h")
        open_dialog("ctrl+s", "Save Game")
        time.sleep(0.3)
        xdotool("type", os.path.join(folder, f"saved-{number}.tgame"))
        xdotool("key", "Return")
        wait_for(f"game {number} saved", lambda: os.path.exists(os.path.join(folder, f"saved-{number}.tgame")))
        # The folder keeps the last game's two files only: the file dialogs hold what they
        # list, which grows with the folder and is no leak.
        for kept in (f"start-{number - 1}.tgame", f"saved-{number - 1}.tgame"):
            if os.path.exists(os.path.join(folder, kept)):
                os.remove(os.path.join(folder, kept))
        if not game_alive():
            raise Failure(f"the program ended after game {number}")
        figures[number] = settled(game.pid)
        if number == min(10, count):
            at_first = descriptors(game.pid)
        print(f"game {number:3} {layout:8} level {level}: {' '.join(texts)[:40]:40} "
              f"rss {figures[number][0]} KiB (own {figures[number][3]}, files {figures[number][4]}), "
              f"{figures[number][1]} descriptors, {figures[number][2]} threads, "
              f"{time.monotonic() - started:.0f} s", flush=True)
    at_end = descriptors(game.pid)
    game.terminate()
    game.wait(30)
    first = figures[min(10, count)]
    last = figures[count]
    grown = last[0] - first[0]
    print(f"after game {min(10, count)}: {first[0]} KiB (own {first[3]}), {first[1]} descriptors, {first[2]} threads; "
          f"after game {count}: {last[0]} KiB ({grown:+d}; own {last[3]}, {last[3] - first[3]:+d}), "
          f"{last[1]} descriptors, {last[2]} threads")
    if grown > 2048:
        raise Failure(f"the resident memory grew by {grown} KiB from game {min(10, count)} to game {count}")
    if last[1] > first[1] or last[2] > first[2]:
        raise Failure(f"descriptors and threads {first[1:3]} after game {min(10, count)}, {last[1:3]} at the end; "
                      f"new descriptors: {sorted(set(at_end) - set(at_first))}")
    return f"{count} games"


class Copy:
    """One copy of the program in the network games, and the player at it."""

    def __init__(self, settings, left):
        self.settings = settings
        self.left = left
        self.start()

    def start(self):
        self.board = None
        self.game = start_game(self.settings)
        self.use()
        wait_for("a main window", accessible.main_window, seconds=30)
        self.window = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.game.pid), "--name",
                                      "^Tessaron 2\\.2$"], capture_output=True, text=True).stdout.split()[0]
        # Side by side, so that a click on one copy's menu reaches that copy.
        xdotool("windowmove", "--sync", self.window, self.left, 40)
        time.sleep(0.5)

    def use(self):
        os.environ["GAME_PID"] = str(self.game.pid)

    def act(self, *keys):
        self.use()
        xdotool("windowactivate", "--sync", self.window)
        xdotool("key", "--delay", "40", *keys)

    def choose(self, title, item):
        self.use()
        xdotool("windowactivate", "--sync", self.window)
        choose(title, item)

    def position(self):
        """The board of this copy. Its list of cells is found once a run of the program: finding
        it walks the whole window over the bus, which on a busy machine took most of a move."""
        self.use()
        if self.board is None:
            self.board = accessible.cells()
        try:
            return accessible.position(self.board)
        except (GLib.Error, Failure):
            self.board = None
            raise

    def status(self):
        self.use()
        return accessible.status_text() or ""

    def result(self):
        self.use()
        return result_box()

    def kill(self):
        self.game.kill()
        self.game.wait()


def network_games(count, seed=1):
    """Two copies play in turn, each move checked on both boards against the rules; one game
    in three is cut short by a Disconnect or by killing the connecting copy."""
    chooser = random.Random(seed)
    port = 20000 + os.getpid() % 20000
    common = "".join(f'"{name}"=dword:{value:08x}\n' for name, value in
                     [("Level1", 0), ("Level2", 0), ("Algo1", 2), ("Algo2", 2), ("Branch1", 5), ("Branch2", 5),
                      ("Sound", 0), ("Board", 1)])
    ends = f'"HostClient"="127.0.0.1"\n"PortClient"="{port}"\n"PortServer"="{port}"\n'
    listener = Copy('"Type1"=dword:00000003\n"Type2"=dword:00000001\n' + common + ends, 20)
    caller = Copy('"Type1"=dword:00000001\n"Type2"=dword:00000003\n' + common + ends, 640)
    counts = []
    for number in range(1, count + 1):
        listener.choose("Game", "Start")
        wait_for("the listening copy", lambda: "Listening" in listener.status())
        caller.choose("Game", "Start")
        cells = start_position()
        wait_for("the layout on both", lambda: listener.position() == cells and caller.position() == cells, 20)
        cut = chooser.randrange(3) == 0
        cut_at = chooser.randrange(1, 12)
        how = "played out"
        side = 1
        for ply in range(1, 400):
            options = moves_of(cells, side)
            if not options:
                break
            move = max(options, key=lambda m: (taken_by(cells, m, side), m[2], chooser.random()))
            (fr, fc), (tr, tc), _ = move
            (listener if side == 1 else caller).act(str(fr), str(fc), str(tr), str(tc))
            cells = filled_at_end(played(cells, move, side), side)
            try:
                wait_for(f"game {number}, move {ply} on both boards",
                         lambda: listener.position() == cells and caller.position() == cells, 20)
            except Failure as failure:
                shown = {name: {cell: value for cell, value in copy.position().items() if value != cells[cell]}
                         for name, copy in (("listening", listener), ("connecting", caller))}
                active = subprocess.run(["xdotool", "getactivewindow"], capture_output=True, text=True).stdout.strip()
                caller.use()
                focused = accessible.focused_cell()
                raise Failure(f"{failure}: {move} by player {side}; cells that differ {shown}; statuses "
                              f"{listener.status()!r}, {caller.status()!r}; active {active}, windows "
                              f"{listener.window} {caller.window}; caller's focus {focused}")
            side = 3 - side
            if cut and ply == cut_at:
                how = chooser.choice(["disconnect", "kill"])
                break
            if listener.result() or caller.result():
                break
        if how == "kill":
            caller.kill()
            wait_for("the hang-up seen", lambda: listener.position() == {c: 0 for c in cells} or listener.result(), 20)
            if listener.result():
                listener.act("Return")
            caller.start()
        else:
            for copy in (listener, caller):
                if wait_for_result(copy, how == "played out"):
                    copy.act("Return")
            listener.choose("Game", "Disconnect")
            wait_for("both disconnected", lambda: listener.status() == "Not Connected"
                     and caller.status().startswith("Connection closed by Player 1"), 20)
        figures = settled(listener.game.pid)[:3]
        sockets = sum(target.startswith("socket:") for target in descriptors(listener.game.pid))
        # Compared after the games that end disconnected (a killed caller leaves the listening
        # copy listening), from the first that showed a result box: the box's icons stay loaded.
        if how != "kill" and (counts or how == "played out"):
            counts.append(figures + (sockets,))
        print(f"network game {number:3}: {how:10} rss {figures[0]} KiB, {figures[1]} descriptors, "
              f"{figures[2]} threads", flush=True)
    if counts:
        first, last = counts[0], counts[-1]
        if last[3] != first[3] or last[1] > first[1] or last[2] > first[2]:
            raise Failure(f"the listening copy holds {last[1]} descriptors ({last[3]} sockets) and {last[2]} "
                          f"threads after the games, {first[1]} ({first[3]}) and {first[2]} before")
    listener.kill()
    caller.kill()
    return f"{count} network games"


def wait_for_result(copy, expected):
    if not expected:
        return copy.result()
    return wait_for("the result box", copy.result, 30)


if __name__ == "__main__":
    games = int(os.environ.get("GAMES", "100"))
    network = int(os.environ.get("NETWORK_GAMES", "50"))
    failed = 0
    for name, run, count in [("computers' games", computers_games, games), ("network games", network_games, network)]:
        if count == 0:
            continue
        try:
            print(f"ok   {name}: {run(count)}", flush=True)
        except Failure as failure:
            failed += 1
            print(f"FAIL {name}: {failure}", flush=True)
    sys.exit(1 if failed else 0)
