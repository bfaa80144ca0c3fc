#!/usr/bin/env bash
# With the window enlarged to 1200 x 900 the whole board stays inside it: no cell is cut
# off at the left, the right or the bottom.
set -u
here=$(dirname "$0")
source "$here/desktop-env.sh"
source "$here/screen.sh"
desktop_start
game_start
main=$(game_window)
sleep 1
# Into the screen's corner first, so that all of the enlarged window is on the screen.
xdotool windowmove "$main" 0 0
set_outer_size "$main" 1200 900
sleep 1
read -r outer_w outer_h < <(outer_size "$main")
[ "$outer_w $outer_h" = "1200 900" ] || fail "the window could not be made 1200 x 900 (it is $outer_w x $outer_h)"
client_shot "$main" "$DESKTOP_TMP/board.png"
keep_shots "$DESKTOP_TMP/board.png"

# The board's blue cells span 28 x 18 hex sizes when whole, less when cut off.
read -r client_x client_y client_w client_h < <(client_geometry "$main")
read -r w h left top < <(colour_box "$DESKTOP_TMP/board.png" 'rgb(0,0,255)')
[ -n "${w:-}" ] || fail "no board on screen"
[ "$w" -gt 900 ] || fail "the board did not grow with the window (${w} pixels wide)"
[ "$left" -gt 0 ] && [ $((left + w)) -lt "$client_w" ] ||
    fail "the board is cut off at the side: blue from x = $left to $((left + w - 1)) in a client $client_w wide"
# 28 x 18 hex sizes, to a couple of pixels of outline and truncation.
ratio_error=$(((w * 18 - h * 28) < 0 ? h * 28 - w * 18 : w * 18 - h * 28))
[ "$ratio_error" -le $((28 * 3)) ] || fail "the board is cut off: its cells span $w x $h pixels, not 28 x 18 hex sizes"
echo "whole board of $w x $h pixels at x = $left..$((left + w - 1)) in a client of $client_w x $client_h"
