#!/usr/bin/env bash
# Sound off means no audio stream: the game holds one at the sound server only while Sound
# is on. Switched on from the menu, the stream opens in time for the very first placing
# sound of Game > Start (all 18 are heard); switched off, it goes again.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/desktop-env.sh"

streams() { pactl list short sink-inputs | wc -l; }

desktop_start
write_settings Sound=0 Board=1
game_start
window=$(game_window)
sleep 1
[ "$(streams)" -eq 0 ] || fail "with Sound off the game holds an audio stream"

open_menu "$window" 83 10 # Options > Sound
xdotool key Down Down Return
wait_until 50 sh -c '[ $(pactl list short sink-inputs | wc -l) -eq 1 ]' ||
    fail "switching Sound on opened no audio stream"

record_start "$DESKTOP_TMP/placing.wav"
open_menu "$window" 15 10 # Game > Start
xdotool key Down Return
sleep 4
record_stop
one=$(audible_seconds "$TESSARON_ASSETS/reprod.wav")
heard=$(audible_seconds "$DESKTOP_TMP/placing.wav")
awk -v heard="$heard" -v one="$one" 'BEGIN { exit !(heard >= 0.9 * 18 * one) }' ||
    fail "after Sound was switched on the placing sounds were heard for ${heard}s, not 18 x ${one}s"

open_menu "$window" 83 10 # Options > Sound, off again
xdotool key Down Down Return
wait_until 50 sh -c '[ $(pactl list short sink-inputs | wc -l) -eq 0 ]' ||
    fail "switching Sound off left the audio stream open"
echo "audio stream: none with Sound off, one with Sound on, 18 x ${one}s heard (${heard}s)"
