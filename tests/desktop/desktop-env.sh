# A private desktop for running the real game the way a player meets it: an X server
# (Xvfb), the openbox window manager and a PulseAudio server whose only sink is a null
# sink, recorded through its monitor. Sourced by the case scripts in this directory.
#
#   desktop_start                 starts everything and stops it again when the script exits
#   record_start FILE, record_stop   records what the game plays into a WAV file
#   game_start                    starts $TESSARON_BIN in $TESSARON_ASSETS, pid in GAME_PID
#   game_window                   prints the X id of the main window once it is mapped
#   audible_seconds FILE          how long a recording is louder than near silence
#   shot FILE                     a screenshot of the whole screen
#
# Each case exits 0 when it passes, and otherwise prints one line saying why and exits 1.

TESSARON_BIN=${TESSARON_BIN:-build/tessaron}
TESSARON_ASSETS=${TESSARON_ASSETS:-assets}
DESKTOP_PIDS=()

# The reason on one line; then, for the record, the end of the game's own output.
fail() {
    echo "FAIL: $*" >&2
    [ -s "${DESKTOP_TMP:-}/game.log" ] && tail -n 5 "$DESKTOP_TMP/game.log" | sed 's/^/  game: /' >&2
    exit 1
}

# Waits up to $1 tenths of a second for the command that follows to succeed.
wait_until() {
    local tenths=$1 i
    shift
    for ((i = 0; i < tenths; i++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

desktop_stop() {
    set +e
    local pid
    for ((i = ${#DESKTOP_PIDS[@]} - 1; i >= 0; i--)); do
        kill "${DESKTOP_PIDS[i]}" 2>/dev/null
    done
    for pid in "${DESKTOP_PIDS[@]}"; do
        # A process that has ended stays a zombie until it is waited for.
        wait_until 50 sh -c "! grep -qv '^[^)]*) [Z]' /proc/$pid/stat" || kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    DESKTOP_PIDS=()
    [ -n "${DESKTOP_TMP:-}" ] && rm -rf "$DESKTOP_TMP"
}

desktop_start() {
    for tool in Xvfb openbox pulseaudio pactl parec xdotool import sox; do
        command -v "$tool" >/dev/null || fail "$tool is not installed (tools/install-deps installs it)"
    done
    [ -x "$TESSARON_BIN" ] || fail "no game binary at $TESSARON_BIN"
    TESSARON_BIN=$(cd "$(dirname "$TESSARON_BIN")" && pwd)/$(basename "$TESSARON_BIN")
    TESSARON_ASSETS=$(cd "$TESSARON_ASSETS" && pwd)

    DESKTOP_TMP=$(mktemp -d "${TMPDIR:-/tmp}/tessaron-desktop.XXXXXX")
    trap desktop_stop EXIT
    mkdir -p "$DESKTOP_TMP/runtime" "$DESKTOP_TMP/pulse" "$DESKTOP_TMP/config" "$DESKTOP_TMP/home"
    chmod 700 "$DESKTOP_TMP/runtime"
    export XDG_RUNTIME_DIR=$DESKTOP_TMP/runtime
    export XDG_CONFIG_HOME=$DESKTOP_TMP/config
    export HOME=$DESKTOP_TMP/home
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
    # The cases read the game's English texts, whatever the language of the machine.
    export LANGUAGE=en

    # Without a number given, the X server picks a free one and writes it to the pipe.
    # -noreset: by default the server resets when its last client leaves, and a client
    # that connects meanwhile (the window manager after the readiness probe) is refused.
    if [ -n "${DESKTOP_DISPLAY:-}" ]; then
        Xvfb ":$DESKTOP_DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$DESKTOP_TMP/xvfb.log" 2>&1 &
        DESKTOP_PIDS+=($!)
    else
        exec {displayfd}<> <(:)
        Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$DESKTOP_TMP/xvfb.log" 2>&1 &
        DESKTOP_PIDS+=($!)
        read -r -t 30 -u "$displayfd" DESKTOP_DISPLAY || fail "Xvfb did not start"
        exec {displayfd}<&-
    fi
    export DISPLAY=:$DESKTOP_DISPLAY
    wait_until 300 xdpyinfo || fail "Xvfb did not answer on $DISPLAY"

    if [ "${DESKTOP_NO_WM:-0}" != 1 ]; then
        openbox --sm-disable >"$DESKTOP_TMP/openbox.log" 2>&1 &
        DESKTOP_PIDS+=($!)
        # openbox sets this property on the root window once it manages the screen.
        wait_until 300 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
            fail "openbox did not start: $(tail -n 2 "$DESKTOP_TMP/openbox.log")"
    fi

    export PULSE_SERVER=unix:$DESKTOP_TMP/pulse/native
    pulseaudio --daemonize=no --exit-idle-time=-1 -n --use-pid-file=no --disable-shm \
        --load="module-null-sink sink_name=null" \
        --load="module-native-protocol-unix socket=$DESKTOP_TMP/pulse/native auth-anonymous=1" \
        --log-target=file:"$DESKTOP_TMP/pulseaudio.log" >/dev/null 2>&1 &
    DESKTOP_PIDS+=($!)
    wait_until 300 pactl info || fail "the PulseAudio server did not start"
}

record_start() {
    RECORD_FILE=$1
    parec -d null.monitor --latency-msec=20 --file-format=wav "$RECORD_FILE" &
    RECORD_PID=$!
    DESKTOP_PIDS+=("$RECORD_PID")
    # The recording runs once the stream shows up at the server.
    wait_until 50 sh -c 'pactl list short source-outputs | grep -q .' || fail "parec did not start"
}

record_stop() {
    # On an interrupt parec finishes the WAV header before it ends.
    kill -INT "$RECORD_PID" 2>/dev/null
    wait "$RECORD_PID" 2>/dev/null
    RECORD_PID=
}

game_start() {
    (cd "$TESSARON_ASSETS" && exec "$TESSARON_BIN" >"$DESKTOP_TMP/game.log" 2>&1) &
    GAME_PID=$!
    DESKTOP_PIDS+=("$GAME_PID")
}

game_window() {
    local id i
    for ((i = 0; i < 150; i++)); do
        id=$(xdotool search --onlyvisible --name '^Tessaron 2\.2$' 2>/dev/null | head -n 1)
        [ -n "$id" ] && echo "$id" && return 0
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended at start-up: $(tail -n 3 "$DESKTOP_TMP/game.log")"
        sleep 0.1
    done
    fail "the main window did not appear"
}

# Seconds, in steps of 5 ms, during which the recording's peak is above 0.003 of full
# scale (-50 dBFS). The null sink adds no noise, so this counts exactly the sounding parts.
audible_seconds() {
    sox "$1" -c 1 -t dat - 2>/dev/null | awk '
        /^;/ { next }
        {
            window = int($1 * 200)
            level = $2 < 0 ? -$2 : $2
            if (level > 0.003 && !(window in loud)) { loud[window] = 1; count++ }
        }
        END { printf "%.3f\n", count / 200 }'
}

shot() {
    import -window root "$1"
}

# Writes the settings file that the game loads at start-up. Arguments are NAME=VALUE pairs
# that replace the defaults below: two local human players, the Standard layout, sound off.
write_settings() {
    local -A value=([Type1]=1 [Type2]=1 [Level1]=0 [Level2]=0 [Algo1]=4 [Algo2]=3 [Branch1]=5 [Branch2]=5
        [Sound]=0 [Board]=1)
    local pair
    for pair in "$@"; do value[${pair%%=*}]=${pair#*=}; done
    mkdir -p "$XDG_CONFIG_HOME/Tessaron"
    {
        echo '[HKEY_CURRENT_USER\Software\Tessaron]'
        for name in Type1 Type2 Level1 Level2 Algo1 Algo2 Branch1 Branch2 Sound Board; do
            printf '"%s"=dword:%08x\n' "$name" "${value[$name]}"
        done
        echo '"HostClient"="127.0.0.1"'
        echo '"PortClient"="1024"'
        echo '"PortServer"="1024"'
    } >"$XDG_CONFIG_HOME/Tessaron/registry.reg"
}

# Opens the menu whose title is at (X, Y) in the window $1 and waits until it is on screen,
# so that the keys sent next reach the menu and not the window.
open_menu() {
    local window=$1 x=$2 y=$3 before
    before=$(xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null | wc -l)
    xdotool mousemove --window "$window" "$x" "$y" click 1
    wait_until 100 sh -c "[ \$(xdotool search --onlyvisible --pid $GAME_PID | wc -l) -gt $before ]" ||
        fail "the menu at ($x, $y) did not open"
    sleep 0.2
}

# A private D-Bus session bus with the accessibility bus on it, so that the game shows its
# windows to assistive technologies (AT-SPI) and a case can read what a screen reader reads:
# texts, titles, which windows are open. Call after desktop_start and before game_start.
accessibility_start() {
    for tool in dbus-daemon dbus-send /usr/bin/python3; do
        command -v "$tool" >/dev/null || fail "$tool is not installed (tools/install-deps installs it)"
    done
    local address pid pid_value
    exec {address}<> <(:)
    exec {pid}<> <(:)
    dbus-daemon --session --fork --nopidfile --print-address="$address" --print-pid="$pid" ||
        fail "the session bus did not start"
    read -r -t 10 -u "$address" DBUS_SESSION_BUS_ADDRESS || fail "the session bus gave no address"
    read -r -t 10 -u "$pid" pid_value || fail "the session bus gave no process id"
    exec {address}<&- {pid}<&-
    export DBUS_SESSION_BUS_ADDRESS
    DESKTOP_PIDS+=("$pid_value")
    # The accessibility bus starts on first request; asking for it now means the game finds it
    # when it starts, instead of registering late or not at all.
    wait_until 100 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress ||
        fail "the accessibility bus did not start"
    # The cases that read it are Python scripts run with Debian's own interpreter, which has
    # the AT-SPI bindings (another python3 first on the PATH may not).
    /usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
        fail "the AT-SPI bindings for Python are not installed (tools/install-deps installs them)"
    # Qt exposes its widgets only when a screen reader is known to run, unless told always to.
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}
