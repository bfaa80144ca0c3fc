#!/usr/bin/env bash
# With Sound on, Game > Start places the Standard layout's 18 pieces one after another,
# each followed by the short placing sound. Every one of them must be heard: the recorded
# audible time must come to 18 times that of the sound file. Each sound lasts 90 ms and
# the pieces come at least 100 ms apart, so the sounds do not overlap; the bound of 0.9
# leaves room for the 5 ms steps of the measure and for a little trimming where one sound
# replaces the tail of the one before, but not for sounds dropped whole or cut short.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/desktop-env.sh"

desktop_start
write_settings Sound=1 Board=1
game_start
window=$(game_window)
# The settings are loaded once the main window is up; give it a moment to settle.
sleep 1

record_start "$DESKTOP_TMP/placing.wav"
open_menu "$window" 15 10
xdotool key Down Return
# 18 pieces of at least 100 ms each, and the last sound after them.
sleep 4
record_stop

one=$(audible_seconds "$TESSARON_ASSETS/reprod.wav")
heard=$(audible_seconds "$DESKTOP_TMP/placing.wav")
echo "placing sounds: heard ${heard}s, expected 18 x ${one}s"
awk -v heard="$heard" -v one="$one" 'BEGIN { exit !(heard >= 0.9 * 18 * one && heard <= 18 * one + 0.2) }' ||
    fail "the placing sounds were heard for ${heard}s instead of about $(awk -v one="$one" 'BEGIN { print 18 * one }')s"
