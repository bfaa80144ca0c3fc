#!/usr/bin/env bash
# A machine without any audio output: with Sound on, the game places the Standard layout
# and opens the About box in silence, and Game > Exit still ends it at once.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/desktop-env.sh"

desktop_start
# No server answers on this socket, so the game finds no audio device at all.
export PULSE_SERVER=unix:$DESKTOP_TMP/no-server
write_settings Sound=1
game_start
window=$(game_window)
sleep 1

open_menu "$window" 15 10
xdotool key Down Return
sleep 3
open_menu "$window" 15 10
xdotool key Left Down Down Return
# The About box's caption is a single space. Escape goes to the window that has the
# keyboard, so wait until the window manager has given it to the box.
wait_until 50 sh -c '[ "$(xdotool getactivewindow getwindowname)" = " " ]' ||
    fail "the About box did not open with the keyboard"
# Pressed while the lines still slide: the key waits for the slide, then closes the box.
xdotool key Escape
wait_until 100 sh -c "[ \$(xdotool search --onlyvisible --pid $GAME_PID | wc -l) -eq 1 ]" ||
    fail "the About box did not close"
# Exit is the last item of the Game menu.
open_menu "$window" 15 10
xdotool key Up Return
wait_until 50 sh -c "! grep -qv '^[^)]*) [Z]' /proc/$GAME_PID/stat" || fail "the game did not end after Game > Exit"
wait "$GAME_PID" || fail "the game ended with status $?: $(tail -n 3 "$DESKTOP_TMP/game.log")"
