#!/usr/bin/env bash
# With Sound on, Help > About Tessaron starts the About sound and opens the box without
# waiting for it. The whole sound must be heard: its recorded audible time must be within
# a few percent of the file's, not stop short when the box's own work keeps the program busy.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/desktop-env.sh"

desktop_start
write_settings Sound=1
game_start
window=$(game_window)
sleep 1

record_start "$DESKTOP_TMP/about.wav"
# Help is the last menu, one to the left of Game; About Tessaron is its third item.
open_menu "$window" 15 10
xdotool key Left Down Down Return
sleep 3
record_stop

whole=$(audible_seconds "$TESSARON_ASSETS/crtv.wav")
heard=$(audible_seconds "$DESKTOP_TMP/about.wav")
echo "About sound: heard ${heard}s of ${whole}s"
awk -v heard="$heard" -v whole="$whole" 'BEGIN { exit !(heard >= 0.95 * whole && heard <= whole + 0.1) }' ||
    fail "the About sound was heard for ${heard}s of its ${whole}s"
