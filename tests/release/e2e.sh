#!/bin/bash
# Plays one round of the real program under a private X server, driven only by
# synthetic mouse clicks and keys, until a result window appears; then closes it
# and quits through the menu.
#
# Usage: e2e.sh <pipwright> <artifact-dir> [--keys]
# With --keys the round is played by keyboard alone.
# Needs Xvfb, xdotool, ImageMagick's import and python3; exits 77 (skipped) without them.
# On failure (or with E2E_KEEP_SHOTS set) the screenshots taken along the way stay in
# <artifact-dir>.
set -u

game="$1"
artifacts="$2"
here="$(cd "$(dirname "$0")" && pwd)"

for tool in Xvfb xdotool import python3; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$tool is not installed: skipped"
        exit 77
    fi
done

work="$(mktemp -d)"
xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

. "$here/private-display.sh"
start_private_display || exit 1

"$game" >"$work/game.log" 2>&1 &
game_pid=$!

rm -rf "$artifacts"
mkdir -p "$artifacts"
python3 "$here/e2e_driver.py" --pid "$game_pid" --shots "$artifacts" ${3:-}
status=$?

if [ $status -eq 0 ]; then
    # The driver quit the game through its menu: it must end by itself, cleanly.
    for _ in $(seq 50); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$game_pid" 2>/dev/null; then
        echo "FAIL: the game did not end after Quit"
        status=1
    else
        wait "$game_pid"
        code=$?
        game_pid=""
        if [ $code -ne 0 ]; then
            echo "FAIL: the game ended with exit code $code"
            status=1
        fi
    fi
fi

if [ $status -ne 0 ]; then
    cp "$work/game.log" "$artifacts/" 2>/dev/null
    echo "screenshots and the game's output are in $artifacts"
elif [ -z "${E2E_KEEP_SHOTS:-}" ]; then
    rm -rf "$artifacts"
fi
exit $status
