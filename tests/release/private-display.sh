# Sourced by the release checks: a private X server and a private home, so a
# run of the real game touches nothing of the user's.
# Needs $work (a scratch folder). Sets xvfb_pid and exports DISPLAY, HOME,
# XDG_RUNTIME_DIR, XDG_DATA_HOME, QT_QPA_PLATFORM and LANG (E2E_LANG, else English).

# Starts Xvfb on a display it picks itself and reports on the given descriptor.
start_private_display() {
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    exec 3>&-
    # A busy machine may take a while; a server that has died will not come.
    for _ in $(seq 600); do
        [ -s "$work/display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ ! -s "$work/display" ]; then
        cat "$work/xvfb.log"
        echo "FAIL: Xvfb did not start"
        return 1
    fi
    export DISPLAY=":$(head -n1 "$work/display")"
    mkdir -p "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/home/data"
    export QT_QPA_PLATFORM=xcb
    # The game speaks English unless a run names its language.
    export LANG="${E2E_LANG:-C.UTF-8}"
    unset LANGUAGE LC_ALL LC_MESSAGES
}
