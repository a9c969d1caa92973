# Sourced by the release checks: a private X server and a private home, so a
# run of the real game touches nothing of the user's.
# Needs $work (a scratch folder). Sets xvfb_pid and exports DISPLAY, HOME,
# XDG_RUNTIME_DIR, XDG_DATA_HOME, QT_QPA_PLATFORM and LANG (E2E_LANG, else English).

# Starts Xvfb on a display of its own and waits until it answers. The number
# is drawn at random, far from the first ones: a display just let go by the
# last check's server is not taken again at once. Sets xvfb_pid and writes the
# number to $work/display; fails when the server does not answer.
start_xvfb() {
    local number=$((100 + RANDOM % 900))
    echo "$number" >"$work/display"
    if [ -e "/tmp/.X$number-lock" ] || xdpyinfo -display ":$number" >/dev/null 2>&1; then
        echo "display :$number is in use" >"$work/xvfb.log"
        return 1
    fi
    Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    # A busy machine may take a while; a server that has died (its number was
    # taken) will not come.
    for _ in $(seq 600); do
        kill -0 "$xvfb_pid" 2>/dev/null || break
        xdpyinfo -display ":$number" >/dev/null 2>&1 && kill -0 "$xvfb_pid" 2>/dev/null && return 0
        sleep 0.1
    done
    kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
    return 1
}

# A server that will not answer is started again on another number, four times
# at most: the check is of the game, not of the machine's X server.
start_private_display() {
    local attempt
    for attempt in 1 2 3 4 5; do
        start_xvfb && break
        echo "Xvfb did not answer on :$(cat "$work/display") (attempt $attempt):"
        cat "$work/xvfb.log"
        [ "$attempt" -lt 5 ] || { echo "FAIL: Xvfb did not start"; return 1; }
    done
    export DISPLAY=":$(head -n1 "$work/display")"
    mkdir -p "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/home/data"
    export QT_QPA_PLATFORM=xcb
    # The game speaks English unless a run names its language.
    export LANG="${E2E_LANG:-C.UTF-8}"
    unset LANGUAGE LC_ALL LC_MESSAGES
}
