#!/bin/bash
# Plays one round of the real program under a private X server, driven only by
# synthetic mouse clicks and keys, until a result window appears; then closes it
# and quits through the menu. The driver finds the dominoes through the game's
# accessibility tree, in a private D-Bus session.
#
# Usage: e2e.sh <pipwright> <artifact-dir> [--keys]
# With --keys the round is played by keyboard alone.
# Needs Xvfb, xdpyinfo, xdotool, ImageMagick's import, dbus-run-session, the AT-SPI bus and
# python3-pyatspi; exits 77 (skipped) without them.
# On failure (or with E2E_KEEP_SHOTS set) the screenshots taken along the way stay in
# <artifact-dir>.
set -u

game="$1"
artifacts="$2"
here="$(cd "$(dirname "$0")" && pwd)"
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher

for tool in Xvfb xdpyinfo xdotool import dbus-run-session "$python"; do
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

rm -rf "$artifacts"
mkdir -p "$artifacts"
dbus-run-session -- "$python" "$here/e2e_driver.py" --game "$game" --launcher "$launcher" \
    --shots "$artifacts" --log "$work/game.log" ${3:-}
status=$?

if [ $status -ne 0 ]; then
    cp "$work/game.log" "$work/xvfb.log" "$artifacts/" 2>/dev/null
    echo "screenshots and the game's output are in $artifacts"
elif [ -z "${E2E_KEEP_SHOTS:-}" ]; then
    rm -rf "$artifacts"
fi
exit $status
