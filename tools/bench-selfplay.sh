#!/usr/bin/env bash
# Games per second of the self-play harness: a Release build, novice player
# against expert computer, on one processor core, several runs. Prints each
# run's line, then the median and best rate.
#
#   tools/bench-selfplay.sh [games] [runs]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
games=${1:-20000}
runs=${2:-7}
build="$root/build-bench"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPIPWRIGHT_BUILD_UI=OFF \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target pipwright-selfplay >/dev/null

# One core, the same one every run, when taskset is at hand.
pin=()
if command -v taskset >/dev/null; then
    pin=(taskset -c "$(($(nproc) - 1))")
fi

rates=()
for ((run = 1; run <= runs; run++)); do
    line=$("${pin[@]}" "$build/tools/pipwright-selfplay" --games "$games" --seed 3 \
        --player novice --computer expert | grep games_per_second=)
    echo "$line"
    rates+=("${line##*games_per_second=}")
done
sorted=($(printf '%s\n' "${rates[@]}" | sort -n))
echo "runs=$runs median_games_per_second=${sorted[$((runs / 2))]} best_games_per_second=${sorted[$((runs - 1))]}"
