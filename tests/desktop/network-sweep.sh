#!/usr/bin/env bash
# The real game against a scripted peer on the loopback, first as the listening copy, then as
# the connecting one: network-sweep.py says what the peer does and what must follow.
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/desktop-env.sh"
desktop_start
accessibility_start
status=0
for role in listen connect; do
    port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    if [ "$role" = listen ]; then write_settings Type1=3; else write_settings Type2=3; fi
    sed -i "s/\"PortServer\"=\"1024\"/\"PortServer\"=\"$port\"/; s/\"PortClient\"=\"1024\"/\"PortClient\"=\"$port\"/" \
        "$XDG_CONFIG_HOME/Tessaron/registry.reg"
    game_start
    game_window >/dev/null
    echo "-- the $role copy, port $port"
    GAME_PID=$GAME_PID ROLE=$role PORT=$port /usr/bin/python3 "$here/network-sweep.py" || status=1
    kill "$GAME_PID" 2>/dev/null
    wait "$GAME_PID" 2>/dev/null
    grep -E "ERROR: AddressSanitizer|runtime error" "$DESKTOP_TMP/game.log" && status=1
done
[ "$status" -eq 0 ] || fail "the network sweep failed"
