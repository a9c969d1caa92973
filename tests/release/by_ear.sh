#!/bin/bash
# Plays one round of the real program by ear: under a private X server, a
# private D-Bus session and its accessibility bus, a driver reads the game only
# through AT-SPI and plays by keyboard.
#
# Usage: by_ear.sh <pipwright> [--orca LOG | --table]
# With --orca the screen reader runs too, without speech, and its log is kept.
# Needs Xvfb, xdpyinfo, xdotool, dbus-run-session, the AT-SPI bus and python3-pyatspi;
# exits 77 (skipped) without them.
set -u

game="$1"
shift
here="$(cd "$(dirname "$0")" && pwd)"
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher

for tool in Xvfb xdpyinfo xdotool dbus-run-session "$python"; do
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

. "$here/private-display.sh"
start_private_display || exit 1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0

# --table plays a hand at a table of Partners instead of the classic round.
driver=by_ear.py
if [ "${1:-}" = "--table" ]; then
    driver=table_by_ear.py
    shift
fi
dbus-run-session -- "$python" "$here/$driver" --game "$game" --launcher "$launcher" "$@"
