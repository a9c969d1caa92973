#!/bin/bash
# Plays one round of the real program by ear: under a private X server, a
# private D-Bus session and its accessibility bus, a driver reads the game only
# through AT-SPI and plays by keyboard.
#
# Usage: by_ear.sh <pipwright> [--orca LOG]
# With --orca the screen reader runs too, without speech, and its log is kept.
# Needs Xvfb, xdotool, dbus-run-session, the AT-SPI bus and python3-pyatspi;
# exits 77 (skipped) without them.
set -u

game="$1"
shift
here="$(cd "$(dirname "$0")" && pwd)"
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher

for tool in Xvfb xdotool dbus-run-session "$python"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$tool is not installed: skipped"
        exit 77
    fi
done
if [ ! -x "$launcher" ] || ! "$python" -c "import pyatspi" 2>/dev/null; then
    echo "the AT-SPI bus or python3-pyatspi is not installed: skipped"
    exit 77
fi

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    cat "$work/xvfb.log"
    echo "FAIL: Xvfb did not start"
    exit 1
fi
export DISPLAY=":$(head -n1 "$work/display")"

mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/home/data"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0

dbus-run-session -- "$python" "$here/by_ear.py" --game "$game" --launcher "$launcher" "$@"
