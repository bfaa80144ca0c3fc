"""The game's rules as the desktop cases check the program against them: the Standard layout,
the legal moves of a side and the position after a move. Positions are {(row, col): 0, 1, 2}
over the 58 cells of the game; a move is ((row, col), (row, col), clone)."""

NEIGHBOURS = [(0, -1), (0, 1), (-1, 0), (1, 0), (-1, -1), (1, 1)]
JUMPS = [(dr, dc) for dr in range(-2, 3) for dc in range(-2, 3) if max(abs(dr), abs(dc), abs(dr - dc)) == 2]
STANDARD = {1: [(3, 7), (4, 7), (5, 7), (4, 8), (5, 8), (6, 8), (5, 9), (6, 9), (7, 9)],
            2: [(3, 1), (4, 1), (5, 1), (4, 2), (5, 2), (6, 2), (5, 3), (6, 3), (7, 3)]}


def start_position():
    cells = {(r, c): 0 for r in range(1, 10) for c in range(1, 10) if abs(r - c) <= 4}
    for hole in [(3, 4), (5, 5), (7, 6)]:
        del cells[hole]
    for player, places in STANDARD.items():
        for place in places:
            cells[place] = player
    return cells


def moves_of(cells, side):
    return [((r, c), (r + dr, c + dc), clone) for (r, c), owner in cells.items() if owner == side
            for clone, offsets in ((True, NEIGHBOURS), (False, JUMPS)) for dr, dc in offsets
            if cells.get((r + dr, c + dc)) == 0]


def taken_by(cells, move, side):
    """How many of the opponent's pieces a move converts."""
    target = move[1]
    return sum(cells.get((target[0] + dr, target[1] + dc)) == 3 - side for dr, dc in NEIGHBOURS)


def played(cells, move, side):
    (source, target, clone) = move
    after = dict(cells)
    if not clone:
        after[source] = 0
    after[target] = side
    for dr, dc in NEIGHBOURS:
        if after.get((target[0] + dr, target[1] + dc)) == 3 - side:
            after[(target[0] + dr, target[1] + dc)] = side
    return after


def filled_at_end(cells, side):
    """The position once `side` has moved, as the game shows it: when the opponent then has no
    move the game ends and every empty cell goes to `side`."""
    if moves_of(cells, 3 - side):
        return cells
    return {cell: value or side for cell, value in cells.items()}
