#!/usr/bin/env bash
# Start-up time and peak memory of the game against an empty Qt Widgets window
# built the same way, then the game's idle CPU over a minute with a round in
# progress. Runs on its own Xvfb display; needs Xvfb and xdotool.
#
#   tools/bench-startup.sh [build-dir] [runs]
set -euo pipefail

build=${1:-build}
runs=${2:-21}
game=$build/ui/pipwright
empty=$build/ui/pipwright_empty_window
idle_seconds=60
for program in "$game" "$empty"; do
    [[ -x $program ]] || { echo "missing $program: build it first" >&2; exit 1; }
done

# A display of our own: Xvfb picks a free number and reports it when ready.
display_file=$(mktemp)
Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$display_file" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -f "$display_file"' EXIT
until [[ -s $display_file ]]; do sleep 0.05; done
export DISPLAY=:$(head -1 "$display_file")
sleep 0.2
if ! kill -0 "$xvfb" 2>/dev/null || ! xdotool getdisplaygeometry >/dev/null 2>&1; then
    echo "Xvfb did not start on $DISPLAY" >&2
    exit 1
fi

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# One launch: milliseconds until a window titled $2 is on screen, and the
# process's peak resident memory in KiB half a second later.
launch_once() {
    local program=$1 title=$2 start end pid peak
    start=$(now_ms)
    "$program" >/dev/null 2>&1 &
    pid=$!
    # Poll every 5 ms, leaving the processor to the program being timed.
    until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "$program exited at start-up" >&2; exit 1; }
        sleep 0.005
    done
    end=$(now_ms)
    sleep 0.5
    peak=$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$((end - start)) $peak"
}

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

launch_once "$empty" Empty >/dev/null # warm the file cache
launch_once "$game" Pipwright >/dev/null
# Alternate the two programs so that a busy machine weighs on both alike.
empty_runs="" game_runs=""
for ((i = 0; i < runs; i++)); do
    empty_runs+="$(launch_once "$empty" Empty)"$'\n'
    game_runs+="$(launch_once "$game" Pipwright)"$'\n'
done
empty_ms=$(cut -d' ' -f1 <<<"${empty_runs%$'\n'}" | median)
game_ms=$(cut -d' ' -f1 <<<"${game_runs%$'\n'}" | median)
empty_kib=$(cut -d' ' -f2 <<<"${empty_runs%$'\n'}" | median)
game_kib=$(cut -d' ' -f2 <<<"${game_runs%$'\n'}" | median)

echo "start-up to first window (median of $runs):"
echo "  empty window  ${empty_ms} ms"
echo "  Pipwright     ${game_ms} ms   ratio $(awk -v g="$game_ms" -v e="$empty_ms" 'BEGIN {printf "%.2f", g / e}') (target <= 1.30)"
echo "peak memory (VmHWM, median):"
echo "  empty window  $((empty_kib / 1024)) MiB"
echo "  Pipwright     $((game_kib / 1024)) MiB   extra $(((game_kib - empty_kib) / 1024)) MiB (target <= 15)"

# Idle CPU: type a name, draw for first play and the seven, then sit still.
"$game" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid $xvfb 2>/dev/null || true; rm -f "$display_file"' EXIT
until xdotool search --onlyvisible --name '^Pipwright$' >/dev/null 2>&1; do sleep 0.05; done
sleep 0.5
xdotool type --delay 20 Bench
xdotool key Return
# Wait for the main window alone: the start-up window has closed.
until [[ $(xdotool search --onlyvisible --name '^Pipwright$' 2>/dev/null | wc -l) == 1 ]]; do
    sleep 0.1
done
window=$(xdotool search --onlyvisible --name '^Pipwright$')
eval "$(xdotool getwindowgeometry --shell "$window")"
# The BoneYard row lies 43 pixels above the window's bottom edge; square k is
# 21.67 pixels from the next.
for pass in 1 2; do
    for k in $(seq 0 27); do
        xdotool mousemove $((X + 20 + k * 65 / 3)) $((Y + HEIGHT - 43)) click 1
        sleep 0.1
    done
    sleep 6
done
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
before=$(ticks)
sleep "$idle_seconds"
after=$(ticks)
hz=$(getconf CLK_TCK)
echo "idle CPU with a round in progress, over ${idle_seconds} s:"
awk -v t=$((after - before)) -v hz="$hz" -v s="$idle_seconds" \
    'BEGIN {printf "  Pipwright     %.3f%% of one core (target < 0.5%%)\n", 100 * t / hz / s}'
