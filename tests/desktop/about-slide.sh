#!/usr/bin/env bash
# Help > About shows its two lines sliding into place: the screen shows many distinct
# pictures of the box while they move, not only the finished box.
set -u
here=$(dirname "$0")
source "$here/desktop-env.sh"
source "$here/screen.sh"
desktop_start
game_start
main=$(game_window)
sleep 1

# Help > About Tessaron: the fourth line of the Help menu, after a separator.
open_menu "$main" 15 10
xdotool key Left Down Down Return

# Pictures of the box, as fast as they come, for the second and a half after it opens.
box=
for ((i = 0; i < 50; i++)); do
    box=$(xdotool search --onlyvisible --name '^ $' 2>/dev/null | head -n 1)
    [ -n "$box" ] && break
    sleep 0.02
done
[ -n "$box" ] || fail "the About box did not open"
end=$((SECONDS + 2))
frames=0
while [ "$SECONDS" -lt "$end" ] && [ "$frames" -lt 40 ]; do
    import -window "$box" "$DESKTOP_TMP/about-$frames.png" 2>/dev/null && frames=$((frames + 1))
done
keep_shots "$DESKTOP_TMP"/about-*.png
distinct=$(for ((i = 0; i < frames; i++)); do
    convert "$DESKTOP_TMP/about-$i.png" rgb:- | md5sum
done | sort -u | wc -l)
# Without the slide on screen there are two: the box not yet painted, and the box done.
# Each picture more is a step of the slide; how many a run catches depends on how fast the
# screenshots come on a busy machine (5 to 11 here), so three is the bar.
[ "$distinct" -ge 3 ] || fail "the About box showed $distinct distinct pictures in $frames screenshots: no slide was seen"
echo "About box: $distinct distinct pictures in $frames screenshots"
