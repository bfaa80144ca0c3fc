#!/usr/bin/env bash
# The start-up picture is on screen, under a window manager, while the game starts.
set -u
here=$(dirname "$0")
source "$here/desktop-env.sh"
source "$here/screen.sh"
desktop_start
picture=$TESSARON_ASSETS/splashs.bmp
game_start

# The splash is the game's one 398 x 263 window. Screenshots of its place until the main
# window is up; the picture must be in one of them, give or take a few pixels.
best=$((398 * 263))
splash=
for ((i = 0; i < 40; i++)); do
    if [ -z "$splash" ]; then
        for id in $(xdotool search --pid "$GAME_PID" 2>/dev/null); do
            read -r x y w h < <(client_geometry "$id")
            [ "$w $h" = "398 263" ] && xwininfo -id "$id" | grep -q IsViewable && splash="$x $y" && break
        done
    fi
    if [ -n "$splash" ]; then
        read -r x y <<<"$splash"
        import -window root -crop "398x263+$x+$y" +repage "$DESKTOP_TMP/splash-$i.png"
        differing=$(differing_pixels "$DESKTOP_TMP/splash-$i.png" "$picture")
        [ "$differing" -lt "$best" ] && best=$differing
        [ "$best" -lt 500 ] && break
    fi
    xdotool search --onlyvisible --name '^Tessaron 2\.2$' >/dev/null 2>&1 && break
    sleep 0.05
done
[ -n "$splash" ] || fail "no splash window was mapped"
keep_shots "$DESKTOP_TMP"/splash-*.png
[ "$best" -lt 500 ] ||
    fail "the splash was mapped but its picture never reached the screen ($best of 104674 pixels differ at best)"
echo "splash on screen: $best pixels differ from splashs.bmp"
