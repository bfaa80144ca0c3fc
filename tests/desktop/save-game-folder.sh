#!/usr/bin/env bash
# Save Game opens in the player's documents folder, not in the program's data folder, and
# a name typed without a suffix is saved with ".tgame"; Open Game then opens in the folder
# last used.
set -u
here=$(dirname "$0")
source "$here/desktop-env.sh"
desktop_start
write_settings
mkdir -p "$HOME/Documents"
name=saved-$$
# Whatever happens, nothing is left in the data folder.
trap 'stray=$(ls "$TESSARON_ASSETS" | grep "^$name"); rm -f "$TESSARON_ASSETS/$name"*; desktop_stop
      [ -z "$stray" ] || echo "FAIL: saved into the data folder: $stray" >&2' EXIT
game_start
main=$(game_window)
sleep 1
xdotool windowactivate --sync "$main"
xdotool key alt+g Return # Game > Start
sleep 2.5
xdotool key ctrl+s
wait_until 50 xdotool search --onlyvisible --name '^Save Game$' || fail "Save Game opened no dialog"
sleep 0.5
xdotool type "$name"
xdotool key Return
wait_until 50 test -f "$HOME/Documents/$name.tgame" ||
    fail "no $name.tgame in the documents folder: $(ls "$HOME/Documents" "$TESSARON_ASSETS" | grep "^$name")"

xdotool key ctrl+o
wait_until 50 xdotool search --onlyvisible --name '^Open Game$' || fail "Open Game opened no dialog"
sleep 0.5
xdotool type "$name.tgame"
xdotool key Return
wait_until 50 sh -c '! xdotool search --onlyvisible --name "^Open Game$"' || fail "Open Game did not find $name.tgame"
sleep 0.5
# A file it cannot read would be reported in a box with the same caption.
xdotool search --onlyvisible --name '^Open Game$' >/dev/null && fail "Open Game refused the file"
echo "saved as Documents/$name.tgame and opened from there"
