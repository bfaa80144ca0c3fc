"""Hostile and unlucky peers against the real game at the moments where a game is busy: while
the starting pieces are placed, while a move slides, while a chat box or the Players dialog is
open, and just after Disconnect. A scripted peer on the loopback hangs up (with a FIN or a
reset), sends a move, a chat line or garbage, or lets a second caller in. Every case: the game
lives, the status line says what happened, the board holds the starting position, the moves
the rules allow or nothing, and a new game starts again.

Run by network-sweep.sh with ROLE=listen (this copy plays player 1 and listens on PORT) or
ROLE=connect (it plays player 2 and connects to PORT)."""

import os
import socket
import struct
import sys
import time

from accessible import (Failure, board, boxes, choose, click, find, game_alive, run_cases, status_text,
                        wait_for, xdotool)

PORT = int(os.environ["PORT"])
START = ("9", "9", 18)
EMPTY = ("", "", 0)
# Player 1's first move, a clone that takes nothing, and the position after it.
FIRST_MOVE = b"3-7-3-6-1"
AFTER_FIRST_MOVE = ("10", "9", 19)
PLACEMENT_SECONDS = 2.0


def hang_up(peer, reset=False):
    if reset:
        peer.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
    peer.close()


def expect_status(text, seconds=10):
    try:
        wait_for(f'the status line "{text}"', lambda: status_text() == text, seconds)
    except Failure:
        raise Failure(f'the status line says "{status_text()}", not "{text}"')


def expect_board(position, seconds=10):
    try:
        wait_for(f"the board {position}", lambda: board() == position, seconds)
    except Failure:
        raise Failure(f"the board shows {board()} (scores and pieces), not {position}")


def expect_box(title, text=None):
    """The box that is open, once it shows `text` (when given) under `title`."""
    found = wait_for(f'a box "{title}"', lambda: next((b for b in boxes() if b[0] == title), None))
    if text is not None and text not in found[1]:
        raise Failure(f'the box "{title}" says {found[1]}, not "{text}"')
    return found[2]


def close_box(window):
    click(wait_for("the box's OK button", lambda: find(window, "push button", "OK")))
    wait_for("the box to close", lambda: window not in [b[2] for b in boxes()])


# The listening copy: each case begins with the game listening and nobody connected.

def call():
    peer = socket.create_connection(("127.0.0.1", PORT), timeout=5)
    return peer


def accepted():
    text = status_text() or ""
    return text.startswith("Connection accepted for 127.0.0.1 on port ")


def next_caller_plays():
    """A new caller gets a new game; it hangs up again, leaving the game listening."""
    peer = call()
    wait_for("the next caller's game", accepted)
    expect_board(START)
    hang_up(peer)
    expect_status("Connection closed by Player 2 ")
    expect_board(EMPTY)


def hangs_up_during_placement(after, reset):
    def case():
        peer = call()
        time.sleep(after)
        hang_up(peer, reset)
        expect_status("Connection closed by Player 2 ")
        expect_board(EMPTY)
        next_caller_plays()
    return case


def hangs_up_while_its_chat_box_is_open():
    peer = call()
    time.sleep(0.2)
    peer.sendall(b"#hello")
    box = expect_box("Message from Player 2", "hello")
    if board() != START:
        raise Failure(f"the chat box opened with the board at {board()}, in the middle of the placement")
    hang_up(peer)
    # The open box serves the network: the game ends behind it.
    expect_status("Connection closed by Player 2 ")
    close_box(box)
    expect_board(EMPTY)
    next_caller_plays()


def refused_during_placement(line, status):
    def case():
        peer = call()
        time.sleep(0.3)
        peer.sendall(line)
        expect_status(status, PLACEMENT_SECONDS + 8)
        expect_board(START)
        hang_up(peer)
        expect_status("Connection closed by Player 2 ")
        expect_board(EMPTY)
    return case


def second_caller_during_placement():
    peer = call()
    time.sleep(0.3)
    second = call()
    second.settimeout(PLACEMENT_SECONDS + 8)
    try:
        if second.recv(1) != b"":
            raise Failure("the second caller was sent something")
    except ConnectionResetError:
        pass
    expect_board(START)
    if not accepted():
        raise Failure(f'the second caller changed the status line to "{status_text()}"')
    hang_up(peer)
    expect_status("Connection closed by Player 2 ")


def hangs_up_during_players_dialog():
    peer = call()
    wait_for("the caller's game", accepted)
    expect_board(START)
    choose("Options", "Players")
    dialog = expect_box("Options")
    hang_up(peer)
    expect_status("Connection closed by Player 2 ")
    xdotool("key", "Escape")
    wait_for("the Players dialog to close", lambda: dialog not in [b[2] for b in boxes()])
    expect_board(EMPTY)
    next_caller_plays()


def sends_after_disconnect():
    peer = call()
    wait_for("the caller's game", accepted)
    expect_board(START)
    choose("Game", "Disconnect")
    expect_status("Not Connected")
    expect_board(EMPTY)
    try:
        peer.sendall(b"5-3-5-4-1")
        peer.sendall(b"#still there?")
    except OSError:
        pass
    hang_up(peer)
    time.sleep(0.5)
    if status_text() != "Not Connected" or board() != EMPTY or boxes():
        raise Failure(f'after Disconnect the peer changed the game: "{status_text()}", {board()}, {boxes()}')
    choose("Game", "Start")
    wait_for("listening again", lambda: (status_text() or "").endswith(f" Listening on port: {PORT}"))
    next_caller_plays()


# The connecting copy: each case begins with no connection; Game > Start connects to the peer.

def connect(listener):
    choose("Game", "Start")
    listener.settimeout(10)
    peer, _ = listener.accept()
    wait_for("the connection", lambda: (status_text() or "").startswith("Connected on local port "))
    return peer


def start_works_again(listener):
    peer = connect(listener)
    expect_board(START)
    hang_up(peer)
    expect_status("Connection closed by Player 1 ")
    expect_board(EMPTY)


def listener_hangs_up_during_placement(listener, after, reset):
    def case():
        peer = connect(listener)
        time.sleep(after)
        hang_up(peer, reset)
        expect_status("Connection closed by Player 1 ")
        expect_board(EMPTY)
        start_works_again(listener)
    return case


def listener_hangs_up_during_a_slide(listener):
    def case():
        peer = connect(listener)
        time.sleep(PLACEMENT_SECONDS + 0.5)
        peer.sendall(FIRST_MOVE)
        time.sleep(0.03)
        hang_up(peer)
        expect_status("Connection closed by Player 1 ")
        expect_board(EMPTY)
        start_works_again(listener)
    return case


def listener_moves_then_chats_then_hangs_up_in_the_box(listener):
    def case():
        peer = connect(listener)
        peer.sendall(FIRST_MOVE + b"#your turn")
        box = expect_box("Message from Player 1", "your turn")
        expect_board(AFTER_FIRST_MOVE)
        hang_up(peer)
        expect_status("Connection closed by Player 1 ")
        close_box(box)
        expect_board(EMPTY)
        start_works_again(listener)
    return case


def main():
    wait_for("the game on the accessibility bus", status_text, 20)
    if os.environ["ROLE"] == "listen":
        choose("Game", "Start")
        wait_for("listening", lambda: (status_text() or "").endswith(f" Listening on port: {PORT}"))
        cases = [
            ("hang-up at once", hangs_up_during_placement(0, False)),
            ("hang-up after 0.05 s", hangs_up_during_placement(0.05, False)),
            ("reset after 0.3 s", hangs_up_during_placement(0.3, True)),
            ("hang-up after 1 s", hangs_up_during_placement(1.0, False)),
            ("hang-up while its chat box is open", hangs_up_while_its_chat_box_is_open),
            ("garbage during the placement",
             refused_during_placement(b"\x01zz", 'Refused move "\\x01zz": its fields are not numbers')),
            ("a move out of turn during the placement",
             refused_during_placement(b"5-3-5-4-1", 'Refused move "5-3-5-4-1": it is not Player 2\'s turn')),
            ("a second caller during the placement", second_caller_during_placement),
            ("hang-up while the Players dialog is open", hangs_up_during_players_dialog),
            ("a move and a chat line after Disconnect", sends_after_disconnect),
        ]
    else:
        listener = socket.create_server(("127.0.0.1", PORT), reuse_port=False)
        cases = [
            ("listener hangs up after 0.3 s", listener_hangs_up_during_placement(listener, 0.3, False)),
            ("listener resets at once", listener_hangs_up_during_placement(listener, 0, True)),
            ("listener hangs up while its move slides", listener_hangs_up_during_a_slide(listener)),
            ("listener hangs up while its chat box is open",
             listener_moves_then_chats_then_hangs_up_in_the_box(listener)),
        ]
    return run_cases(cases)


if __name__ == "__main__":
    try:
        sys.exit(main())
    except Failure as failure:
        print(f"FAIL: {failure}", flush=True)
        sys.exit(1)
