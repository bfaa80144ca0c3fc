#!/usr/bin/env bash
# A saved game opened, its Move List shown: the review graph on screen with its marks, a click
# on a point taking the board there, and Replay with Pause. review-graph.py drives it.
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/desktop-env.sh"
desktop_start
accessibility_start
write_settings
mkdir -p "$HOME/Documents"
# The first 40 moves of a game of two computers, both sides people now: a game to go on with.
sed -e 's/Computer/Human/' "$here/../review/computers.tgame" |
    awk '/^moves$/ { moves = 1; print; next } moves && /^[0-9]/ { if (n++ < 40) print; next } { print }' \
        >"$HOME/Documents/review.tgame"
game_start
game_window >/dev/null
status=0
GAME_PID=$GAME_PID GAME_FILE=$HOME/Documents/review.tgame SHOTS=$DESKTOP_TMP \
    /usr/bin/python3 "$here/review-graph.py" || status=1
[ -n "${DESKTOP_SHOTS:-}" ] && mkdir -p "$DESKTOP_SHOTS" && cp "$DESKTOP_TMP"/*.png "$DESKTOP_SHOTS/" 2>/dev/null
kill "$GAME_PID" 2>/dev/null
wait "$GAME_PID" 2>/dev/null
grep -E "ERROR: AddressSanitizer|runtime error" "$DESKTOP_TMP/game.log" && status=1
[ "$status" -eq 0 ] || fail "the review graph failed"
