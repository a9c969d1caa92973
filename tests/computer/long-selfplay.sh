#!/usr/bin/env bash
# The long self-play run: every pairing of the three levels with both ways of
# starting a round, each from many seeds, to find faults that come once in
# thousands of games. The suite's own self-play tests stay short.
#   long-selfplay.sh <build folder>
# Without a Master: 160 games from each of seeds 1 to 40 (6,400 a run, 51,200
# in all). With a Master: 10 games from each of seeds 1 to 20 (200 a run,
# 2,000 in all). Fails when any game breaks an invariant or its score sheet.
set -uo pipefail

harness="$1/tools/pipwright-selfplay"
[ -x "$harness" ] || { echo "no harness at $harness"; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

runs=()
for player in novice expert master; do
    for computer in novice expert master; do
        for starts in no yes; do
            if [ "$player" = master ] || [ "$computer" = master ]; then
                runs+=("$player $computer $starts 10 1-20")
            else
                runs+=("$player $computer $starts 160 1-40")
            fi
        done
    done
done

# Runs one pairing and keeps its figures and diagnostics in a file of its own.
one_run() {
    set -- $1
    "$harness" --player "$1" --computer "$2" --winner-starts "$3" --games "$4" --seeds "$5" \
        >"$out/$1-$2-$3.txt" 2>&1
    echo "$1 vs $2, winner starts $3, seeds $5: exit $?" >>"$out/$1-$2-$3.txt"
}
export -f one_run
export harness out

printf '%s\n' "${runs[@]}" | xargs -P "$(nproc)" -I{} bash -c 'one_run "{}"'

status=0
games=0
for file in "$out"/*.txt; do
    tail -n 1 "$file"
    grep -E '^(computer_win_rate|games)=' "$file" | sed 's/^/    /'
    if ! tail -n 1 "$file" | grep -q ': exit 0$'; then
        status=1
        grep -vE '^(computer_win_rate|master_decisions|games)=' "$file" | head -n 20
    fi
    n=$(grep -oE '^games=[0-9]+' "$file" | cut -d= -f2)
    games=$((games + ${n:-0}))
done
echo "games played: $games"
[ "$status" -eq 0 ] && echo "every game held its invariants and its score sheet" || echo "FAILED"
exit $status
