#!/usr/bin/env bash
# After Game > Start the closed menu's picture does not stay over the board while the
# starting pieces are placed: the window repaints what the menu uncovered.
set -u
here=$(dirname "$0")
source "$here/desktop-env.sh"
source "$here/screen.sh"
desktop_start
write_settings # two local players: Start only places the pieces
game_start
main=$(game_window)
sleep 1

shot "$DESKTOP_TMP/closed.png"
open_menu "$main" 27 10 # the Game menu
shot "$DESKTOP_TMP/open.png"
xdotool key Down Return # Start, the first item
# Placing the 18 pieces takes at least 1.8 s: look while it runs.
sleep 0.4
shot "$DESKTOP_TMP/placing.png"

# The menu's own pixels: where the open menu changed the screen. Stale: those still
# showing the menu while the pieces are being placed.
difference_mask "$DESKTOP_TMP/open.png" "$DESKTOP_TMP/closed.png" "$DESKTOP_TMP/menu.png"
convert "$DESKTOP_TMP/placing.png" "$DESKTOP_TMP/open.png" -compose difference -composite -colorspace Gray \
    -threshold 2% -negate "$DESKTOP_TMP/unchanged.png"
convert "$DESKTOP_TMP/menu.png" "$DESKTOP_TMP/unchanged.png" -compose multiply -composite "$DESKTOP_TMP/stale.png"
keep_shots "$DESKTOP_TMP"/{closed,open,placing}.png
menu=$(white_pixels "$DESKTOP_TMP/menu.png")
stale=$(white_pixels "$DESKTOP_TMP/stale.png")
[ "$menu" -gt 1000 ] || fail "the Game menu did not open ($menu pixels changed)"
[ $((stale * 10)) -lt "$menu" ] ||
    fail "the closed menu stays on screen during the placement: $stale of its $menu pixels unchanged"
echo "menu gone during the placement: $stale of its $menu pixels unchanged"
