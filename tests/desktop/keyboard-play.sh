#!/usr/bin/env bash
# The real game played with the keyboard alone and read over the accessibility bus as a
# screen reader reads it: keyboard-play.py says what is pressed and what must follow.
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/desktop-env.sh"
desktop_start
accessibility_start
write_settings Type2=2 Level2=0
game_start
game_window >/dev/null
status=0
GAME_PID=$GAME_PID /usr/bin/python3 "$here/keyboard-play.py" || status=1
kill "$GAME_PID" 2>/dev/null
wait "$GAME_PID" 2>/dev/null
grep -E "ERROR: AddressSanitizer|runtime error" "$DESKTOP_TMP/game.log" && status=1
[ "$status" -eq 0 ] || fail "keyboard play failed"
