#!/usr/bin/env bash
# Under a window manager the main window and the Players dialog take their design outer
# sizes, frame and caption included: 481 x 389 and 431 x 347 at 96 pixels per inch.
set -u
here=$(dirname "$0")
source "$here/desktop-env.sh"
source "$here/screen.sh"
desktop_start
game_start
main=$(game_window)
sleep 1
read -r frame_l frame_r frame_t frame_b < <(frame_extents "$main")
[ $((frame_t + frame_b)) -gt 0 ] || fail "the window manager put no frame around the main window"
read -r main_w main_h < <(outer_size "$main")

open_menu "$main" 83 10 # Options > Players
xdotool key Down Return
options=
for ((i = 0; i < 50; i++)); do
    options=$(xdotool search --onlyvisible --name '^Options$' 2>/dev/null | head -n 1)
    [ -n "$options" ] && break
    sleep 0.1
done
[ -n "$options" ] || fail "the Players dialog did not open"
sleep 0.5
read -r options_w options_h < <(outer_size "$options")
[ "$main_w $main_h" = "481 389" ] || fail "the main window's outer size is $main_w x $main_h, not 481 x 389"
[ "$options_w $options_h" = "431 347" ] ||
    fail "the Players dialog's outer size is $options_w x $options_h, not 431 x 347 (client $(client_geometry "$options"), frame $(frame_extents "$options"))"
xdotool key Escape
echo "outer sizes: main window $main_w x $main_h, Players dialog $options_w x $options_h"
