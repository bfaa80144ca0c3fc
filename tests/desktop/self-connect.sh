#!/usr/bin/env bash
# The connecting copy with the defaults (127.0.0.1, port 1024) and nobody listening: the
# client binds local port 1024, and Linux would join the connection to itself. It is refused
# instead, so no game begins: the board stays empty after Game > Start. The game runs in a
# network namespace of its own, where port 1024 is surely free.
set -u
here=$(dirname "$0")
source "$here/desktop-env.sh"
source "$here/screen.sh"
desktop_start
unshare -rn true 2>/dev/null || { echo "SKIP: no private network namespace here"; exit 0; }
write_settings Type2=3 # player 2 is this copy, connecting to HostClient at PortClient
TESSARON_REAL_BIN=$TESSARON_BIN
TESSARON_BIN=$DESKTOP_TMP/in-namespace
printf '#!/bin/sh\nexec unshare -rn sh -c '\''ip link set lo up && exec "$0"'\'' %s\n' "$TESSARON_REAL_BIN" >"$TESSARON_BIN"
chmod +x "$TESSARON_BIN"
game_start
main=$(game_window)
sleep 1
open_menu "$main" 15 10 # Game > Start
xdotool key Down Return
sleep 2
client_shot "$main" "$DESKTOP_TMP/after-start.png"
keep_shots "$DESKTOP_TMP/after-start.png"
read -r w _ < <(colour_box "$DESKTOP_TMP/after-start.png" 'rgb(255,255,0)')
[ "${w:-0}" -lt 60 ] || fail "the copy connected to itself and began a game (yellow ${w} pixels wide)"
echo "no game began: yellow spans ${w:-0} pixels"
