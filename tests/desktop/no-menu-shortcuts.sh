#!/usr/bin/env bash
# The items of the Game, Options and Help menus have no shortcuts: Ctrl+N starts no game
# over the one on the board, Ctrl+P opens no Players dialog and Ctrl+Q does not close the
# program. The menu titles still open with Alt and their letter.
set -u
here=$(dirname "$0")
source "$here/desktop-env.sh"
source "$here/screen.sh"
desktop_start
write_settings # two local players: a Start would place the pieces at once
game_start
main=$(game_window)
sleep 1
xdotool windowactivate --sync "$main"

windows() { xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null | wc -l; }
before=$(windows)
client_shot "$main" "$DESKTOP_TMP/before.png"
xdotool key ctrl+n
sleep 2.5 # placing the pieces takes 1.8 s
client_shot "$main" "$DESKTOP_TMP/after-ctrl-n.png"
changed=$(differing_pixels "$DESKTOP_TMP/before.png" "$DESKTOP_TMP/after-ctrl-n.png")
keep_shots "$DESKTOP_TMP"/{before,after-ctrl-n}.png
[ "$changed" -lt 100 ] || fail "Ctrl+N changed the board ($changed pixels)"
xdotool key ctrl+p
sleep 1
[ "$(windows)" -eq "$before" ] || fail "Ctrl+P opened a window"
xdotool key ctrl+q
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || fail "Ctrl+Q closed the program"
xdotool key alt+g
wait_until 30 sh -c "[ \$(xdotool search --onlyvisible --pid $GAME_PID | wc -l) -gt $before ]" ||
    fail "Alt+G did not open the Game menu"
echo "Ctrl+N, Ctrl+P and Ctrl+Q did nothing; Alt+G opened the Game menu"
