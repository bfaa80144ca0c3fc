#!/usr/bin/env bash
# Help > Help Topics opens How to Play.
set -u
here=$(dirname "$0")
source "$here/desktop-env.sh"
desktop_start
write_settings
game_start
main=$(game_window)
sleep 1
xdotool windowactivate --sync "$main"
before=$(xdotool search --onlyvisible --pid "$GAME_PID" | wc -l)
xdotool key alt+h
wait_until 30 sh -c "[ \$(xdotool search --onlyvisible --pid $GAME_PID | wc -l) -gt $before ]" ||
    fail "Alt+H did not open the Help menu"
sleep 0.2
xdotool key Return # Help Topics, the first item
wait_until 50 xdotool search --onlyvisible --name '^How to Play$' || fail "Help Topics opened no How to Play window"
echo "Help Topics opened How to Play"
