#!/usr/bin/env bash
# Builds the Debian package from a build directory and checks it as a distribution and a
# desktop would: the package's fields and its files with their modes, lintian, the desktop
# entry, the AppStream metadata and the manual page. Then it unpacks the package into a
# throw-away root, asks the unpacked program for its version without a display, and starts it
# under Xvfb from / to see its start-up picture and its window.
# Usage: PackageTest.sh BUILD_DIRECTORY
set -euo pipefail
build=$1
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null && kill -CONT "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
[ -n "$version" ] || fail "no package version in $build/CPackConfig.cmake"
cpack --config "$build/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    fail "cpack failed"
}
deb="$work/cpack/tessaron_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "cpack did not write $(basename "$deb")"

# The control fields, with the run-time dependencies computed from the program's libraries.
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tessaron ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "package version $(field Version) instead of $version"
[ "$(field Section)" = games ] || fail "section $(field Section)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "maintainer '$(field Maintainer)'"
[ "$(field Description | wc -l)" -gt 3 ] || fail "no long description"
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6; do
    [[ ", $(field Depends)," == *", $library ("* ]] || fail "Depends lacks $library: $(field Depends)"
done

# Exactly these files, owned by root, with these modes; every directory 0755.
expected_files="-rwxr-xr-x ./usr/games/tessaron
-rwxr-xr-x ./usr/libexec/tessaron/tessaron
-rw-r--r-- ./usr/share/applications/example.tessaron.Tessaron.desktop
-rw-r--r-- ./usr/share/doc/tessaron/changelog.gz
-rw-r--r-- ./usr/share/doc/tessaron/copyright
-rw-r--r-- ./usr/share/icons/hicolor/128x128/apps/tessaron.png
-rw-r--r-- ./usr/share/icons/hicolor/256x256/apps/tessaron.png
-rw-r--r-- ./usr/share/icons/hicolor/48x48/apps/tessaron.png
-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/tessaron.svg
-rw-r--r-- ./usr/share/man/man6/tessaron.6.gz
-rw-r--r-- ./usr/share/metainfo/example.tessaron.Tessaron.metainfo.xml
-rw-r--r-- ./usr/share/tessaron/artg.wav
-rw-r--r-- ./usr/share/tessaron/crtv.wav
-rw-r--r-- ./usr/share/tessaron/lost.wav
-rw-r--r-- ./usr/share/tessaron/reprod.wav
-rw-r--r-- ./usr/share/tessaron/splashs.bmp
-rw-r--r-- ./usr/share/tessaron/to.wav"
dpkg-deb --contents "$deb" >"$work/contents"
files=$(awk '$1 !~ /^d/ { print $1, $6 }' "$work/contents" | sort -k2)
expected_files=$(sort -k2 <<<"$expected_files")
[ "$files" = "$expected_files" ] || fail "package files differ from the expected:
$(diff <(echo "$expected_files") <(echo "$files"))"
awk '$2 != "root/root" { print "FAIL: not owned by root: " $6; bad = 1 } END { exit bad }' "$work/contents" ||
    exit 1
awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" { print "FAIL: directory mode " $1 " " $6; bad = 1 } END { exit bad }' \
    "$work/contents" || exit 1

# lintian: neither errors nor warnings.
lintian --fail-on error,warning "$deb" 2>/dev/null || fail "lintian reports the problems above"

root="$work/root"
dpkg -x "$deb" "$root"
for size in 48 128 256; do
    actual=$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/${size}x${size}/apps/tessaron.png")
    [ "$actual" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $actual"
done
entry="$root/usr/share/applications/example.tessaron.Tessaron.desktop"
desktop-file-validate "$entry" || fail "desktop entry rejected"
grep -qx "Exec=/usr/games/tessaron" "$entry" || fail "desktop entry does not start /usr/games/tessaron"
grep -qx "Icon=tessaron" "$entry" || fail "desktop entry does not name the icon"
appstreamcli validate-tree --no-net "$root" >"$work/appstream" 2>&1 || {
    cat "$work/appstream"
    fail "AppStream metadata rejected"
}
if grep -E '^[EW]:' "$work/appstream"; then fail "AppStream metadata has errors or warnings"; fi

page="$root/usr/share/man/man6/tessaron.6.gz"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >"$work/manual")
[ -z "$warnings" ] || fail "manual page warnings: $warnings"
for topic in "Tessaron $version" "tessaron - hexagonal strategy game" "--version" "XDG_CONFIG_HOME/Tessaron/registry.reg" \
    "XDG_CONFIG_HOME/Tessaron/lastgame.tgame" "1024"; do
    grep -qF -- "$topic" "$work/manual" || fail "manual page does not mention $topic"
done

# --version answers without a display and without touching the settings.
mkdir "$work/config"
answer=$(cd / && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$work/config" \
    timeout 20 "$root/usr/games/tessaron" --version) || fail "tessaron --version failed"
[ "$answer" = "Tessaron $version" ] || fail "tessaron --version printed '$answer'"
[ -z "$(ls -A "$work/config")" ] || fail "tessaron --version wrote settings"

# Started from / on an X display, the launcher runs the program in its data directory, which
# shows its start-up picture and then its window. First an X server on a free display,
# answering before the game starts.
display=""
for attempt in $(seq 0 19); do
    # Numbers far above the usual ones, where other test runs are unlikely to start servers.
    number=$((400 + ($$ + attempt * 37) % 500))
    [ -e "/tmp/.X$number-lock" ] && continue
    Xvfb ":$number" -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset 2>>"$work/xvfb.log" &
    pids+=($!)
    for _ in $(seq 100); do
        kill -0 "${pids[-1]}" 2>/dev/null || break
        if xdpyinfo -display ":$number" >/dev/null 2>&1; then
            display=":$number"
            break
        fi
        sleep 0.1
    done
    # Our own server must be the one that answered.
    [ -n "$display" ] && kill -0 "${pids[-1]}" 2>/dev/null && break
    display=""
    kill "${pids[-1]}" 2>/dev/null || true
done
[ -n "$display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=$display
mkdir -m 700 "$work/runtime"
(cd / && exec env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY XDG_CONFIG_HOME="$work/config" \
    XDG_RUNTIME_DIR="$work/runtime" "$root/usr/games/tessaron") >"$work/game.log" 2>&1 &
game=$!
pids+=("$game")
# The start-up window shows for about a second before the main window covers it. The program
# runs in slices of 50 ms and is held still while its windows are examined, so a slow or
# loaded machine cannot make the test miss the picture.
kill -STOP "$game"
picture="$root/usr/share/tessaron/splashs.bmp"
picture_size=$(identify -format '%wx%h' "$picture")
title="^Tessaron ${version//./\\.}\$"
shows_picture() {
    import -window "$1" "$work/capture.png" 2>/dev/null || return 1
    local differing
    differing=$(compare -metric AE -fuzz 8% "$work/capture.png" "$picture" null: 2>&1 || true)
    [[ "$differing" =~ ^[0-9]+$ ]] && [ "$differing" -lt 500 ]
}
picture_seen=no
window=""
deadline=$((SECONDS + 60))
while [ -z "$window" ] && [ $SECONDS -lt $deadline ]; do
    kill -CONT "$game"
    sleep 0.05
    kill -STOP "$game"
    state=$(awk '{ print $3 }' "/proc/$game/stat" 2>/dev/null || true)
    [ -n "$state" ] && [ "$state" != Z ] || fail "the game ended at start-up on $DISPLAY: $(cat "$work/game.log")"
    for id in $(xdotool search --onlyvisible --pid "$game" 2>/dev/null || true); do
        [ "$picture_seen" = no ] || break
        size=$(xwininfo -id "$id" 2>/dev/null | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
        [ "$size" = "$picture_size" ] && shows_picture "$id" && picture_seen=yes
    done
    window=$(xdotool search --onlyvisible --pid "$game" --name "$title" 2>/dev/null || true)
done
kill -CONT "$game"
[ -n "$window" ] || fail "no window 'Tessaron $version' within a minute"
[ "$picture_seen" = yes ] || fail "the start-up picture was not seen"
[ "$(readlink "/proc/$game/exe")" = "$root/usr/libexec/tessaron/tessaron" ] || fail "the launcher did not start the program"
[ "$(readlink "/proc/$game/cwd")" = "$root/usr/share/tessaron" ] || fail "the program runs outside its data directory"
# Once the start-up window is gone the main window stays alone: no message about a missing file.
deadline=$((SECONDS + 30))
while [ "$(xdotool search --onlyvisible --pid "$game" 2>/dev/null | wc -l)" -ne 1 ] && [ $SECONDS -lt $deadline ]; do
    sleep 0.2
done
sleep 2
windows=$(xdotool search --onlyvisible --pid "$game" 2>/dev/null | wc -l)
[ "$windows" -eq 1 ] || fail "$windows windows on screen instead of the main window alone"
echo "package $(basename "$deb"): ok"
