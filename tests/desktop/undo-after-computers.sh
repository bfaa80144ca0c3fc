#!/usr/bin/env bash
# Two computers play a game to its result; after the box the board is empty. Undo (Ctrl+Z)
# brings back the final position, pieces and all, instead of leaving the board empty.
set -u
here=$(dirname "$0")
source "$here/desktop-env.sh"
source "$here/screen.sh"
desktop_start
write_settings Type1=2 Type2=2 Level1=0 Level2=0 Board=2
game_start
main=$(game_window)
sleep 1
# Yellow spans the board when player 2 has pieces on it, else only its marker.
yellow_width() {
    client_shot "$main" "$1"
    local w
    read -r w _ < <(colour_box "$1" 'rgb(255,255,0)')
    echo "${w:-0}"
}
open_menu "$main" 15 10 # Game > Start
xdotool key Down Return
wait_until 450 sh -c "xdotool search --onlyvisible --name '^Results:\$'" || fail "the computers' game did not end"
sleep 0.5
xdotool key Return
wait_until 50 sh -c "! xdotool search --onlyvisible --name '^Results:\$'" || fail "the result box did not close"
sleep 0.5
after_result=$(yellow_width "$DESKTOP_TMP/after-result.png")
xdotool windowactivate --sync "$main" key ctrl+z
sleep 1
after_undo=$(yellow_width "$DESKTOP_TMP/after-undo.png")
keep_shots "$DESKTOP_TMP"/after-{result,undo}.png
[ "$after_result" -lt 60 ] || fail "the board was not emptied after the result (yellow $after_result pixels wide)"
[ "$after_undo" -gt 150 ] || fail "Undo after the computers' game left the board empty (yellow $after_undo pixels wide)"
echo "yellow spans $after_result pixels after the result, $after_undo after Undo"
