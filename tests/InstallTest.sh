#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs: the program
# with its launcher, the sounds and the picture beside each other, a valid desktop entry
# and an icon.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
[ -x "$prefix/libexec/tessaron/tessaron" ] || fail "program not installed"
[ -x "$prefix/bin/tessaron" ] || fail "launcher not installed"
bash -n "$prefix/bin/tessaron" || fail "launcher is not a valid script"
for file in splashs.bmp reprod.wav to.wav artg.wav lost.wav crtv.wav; do
    [ -s "$prefix/share/tessaron/$file" ] || fail "$file not installed"
done
for icon in 48x48/apps/tessaron.png 128x128/apps/tessaron.png 256x256/apps/tessaron.png scalable/apps/tessaron.svg; do
    [ -s "$prefix/share/icons/hicolor/$icon" ] || fail "icon $icon not installed"
done
entry="$prefix/share/applications/example.tessaron.Tessaron.desktop"
[ -s "$entry" ] || fail "desktop entry not installed"
desktop-file-validate "$entry" || fail "desktop entry rejected"
grep -qx "Exec=$prefix/bin/tessaron" "$entry" || fail "desktop entry does not start the launcher"
grep -qx "Path=$prefix/share/tessaron" "$entry" || fail "desktop entry does not start in the data directory"

# Started from anywhere, the launcher runs the program in its data directory.
config=$(mktemp -d)
(cd / && QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$config" exec "$prefix/bin/tessaron") >/dev/null 2>&1 &
pid=$!
cwd=""
for _ in $(seq 50); do
    exe=$(readlink "/proc/$pid/exe" 2>/dev/null || true)
    if [ "$exe" = "$prefix/libexec/tessaron/tessaron" ]; then
        cwd=$(readlink "/proc/$pid/cwd" 2>/dev/null || true)
        break
    fi
    sleep 0.1
done
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
rm -rf "$config"
[ "$exe" = "$prefix/libexec/tessaron/tessaron" ] || fail "the launcher did not start the program (ran: $exe)"
[ "$cwd" = "$prefix/share/tessaron" ] || fail "the program runs in $cwd instead of its data directory"
echo "install into $prefix: ok"
