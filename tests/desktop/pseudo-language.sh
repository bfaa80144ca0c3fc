#!/usr/bin/env bash
# The game in the pseudo-language of the tests (LANGUAGE=qps): pseudo-language.py reads the
# main window, the Players dialog, How to Play and a result box and finds no English text.
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/desktop-env.sh"
desktop_start
accessibility_start
write_settings
# A game of two computers played to its end, both sides people now: opened, it ends at once.
mkdir -p "$HOME/Documents"
sed -e 's/Computer/Human/' "$here/../review/computers.tgame" >"$HOME/Documents/ended.tgame"
export LANGUAGE=qps
game_start
game_window >/dev/null
status=0
GAME_PID=$GAME_PID GAME_FILE=$HOME/Documents/ended.tgame /usr/bin/python3 "$here/pseudo-language.py" || status=1
kill "$GAME_PID" 2>/dev/null
wait "$GAME_PID" 2>/dev/null
grep -E "ERROR: AddressSanitizer|runtime error" "$DESKTOP_TMP/game.log" && status=1
[ "$status" -eq 0 ] || fail "a text was not in the pseudo-language"
