# Reading the game's windows off the screen of a desktop started by desktop-env.sh:
# where a window and its frame are, screenshots of its client area, and pixel counts.
# Sourced by the case scripts after desktop-env.sh.

# The window manager's frame around a window: "LEFT RIGHT TOP BOTTOM" (0 0 0 0 without).
frame_extents() {
    local extents
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ,)
    echo "${extents:-0 0 0 0}"
}

# The client area of a window on the screen: "X Y WIDTH HEIGHT".
client_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /^  Width/ { w = $NF } /^  Height/ { h = $NF } END { print x, y, w, h }'
}

# The outer size of a window, frame included: "WIDTH HEIGHT".
outer_size() {
    local x y w h l r t b
    read -r x y w h < <(client_geometry "$1")
    read -r l r t b < <(frame_extents "$1")
    echo "$((w + l + r)) $((h + t + b))"
}

# Gives a window the outer size WIDTH x HEIGHT, frame included.
set_outer_size() {
    local l r t b
    read -r l r t b < <(frame_extents "$1")
    xdotool windowsize "$1" "$(($2 - l - r))" "$(($3 - t - b))"
}

# A screenshot of the client area of a window, as it is on the screen.
client_shot() {
    local x y w h
    read -r x y w h < <(client_geometry "$1")
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$2"
}

# How many pixels of two pictures of one size differ by more than a few percent.
differing_pixels() {
    compare -metric AE -fuzz 4% "$1" "$2" null: 2>&1 | sed 's/ .*//'
}

# A black and white picture: white where the two pictures differ.
difference_mask() {
    convert "$1" "$2" -compose difference -composite -colorspace Gray -threshold 2% "$3"
}

# The number of white pixels of a mask.
white_pixels() {
    convert "$1" -format '%[fx:round(mean * w * h)]' info:
}

# The bounding box "WIDTH HEIGHT LEFT TOP" of the pixels of one colour, or nothing.
colour_box() {
    convert "$1" -alpha off -fill black -fuzz 8% +opaque "$2" -fill white -opaque "$2" \
        -bordercolor black -border 1 -format '%@' info: |
        sed -n 's/^\([0-9]*\)x\([0-9]*\)+\([0-9]*\)+\([0-9]*\)$/\1 \2 \3 \4/p' |
        awk '$1 > 1 || $2 > 1 { print $1, $2, $3 - 1, $4 - 1 }'
}

# Copies pictures into $DESKTOP_SHOTS, when it is set, to be looked at after the run.
keep_shots() {
    [ -n "${DESKTOP_SHOTS:-}" ] || return 0
    mkdir -p "$DESKTOP_SHOTS" && cp "$@" "$DESKTOP_SHOTS/"
}
