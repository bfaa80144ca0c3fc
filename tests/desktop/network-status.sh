#!/usr/bin/env bash
# A network role restored from the settings shows the status line from the start, so
# what Game > Start does (listening, or a failure) is seen at once.
set -u
here=$(dirname "$0")
source "$here/desktop-env.sh"
source "$here/screen.sh"
desktop_start
port=$((20000 + RANDOM % 20000))
write_settings Type1=3 # player 1 is this copy, listening on PortServer
sed -i "s/\"PortServer\"=\"1024\"/\"PortServer\"=\"$port\"/" "$XDG_CONFIG_HOME/Tessaron/registry.reg"
game_start
main=$(game_window)
sleep 1

# The status line is the bottom line of the window, its text in blue; the progress bar
# that it replaces has none.
status_line() {
    local x y w h
    read -r x y w h < <(client_geometry "$main")
    import -window root -crop "${w}x18+${x}+$((y + h - 18))" +repage "$1"
}
blue_text() {
    convert "$1" -alpha off -fuzz 25% -fill black +opaque 'rgb(0,0,255)' -fill white -opaque 'rgb(0,0,255)' \
        -format '%[fx:round(mean * w * h)]' info:
}
status_line "$DESKTOP_TMP/at-start.png"
at_start=$(blue_text "$DESKTOP_TMP/at-start.png")
open_menu "$main" 27 10 # Game > Start
xdotool key Down Return
sleep 0.5
status_line "$DESKTOP_TMP/after-start.png"
after_start=$(blue_text "$DESKTOP_TMP/after-start.png")
changed=$(differing_pixels "$DESKTOP_TMP/at-start.png" "$DESKTOP_TMP/after-start.png")
keep_shots "$DESKTOP_TMP"/{at-start,after-start}.png

[ "$at_start" -gt 30 ] || fail "no status line at start-up with a network role loaded ($at_start blue pixels)"
[ "$after_start" -gt 30 ] && [ "$changed" -gt 30 ] ||
    fail "Game > Start left no new text in the status line ($after_start blue pixels, $changed changed)"
echo "status line: $at_start blue pixels at start-up, $after_start after Start ($changed changed)"
