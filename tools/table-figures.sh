#!/usr/bin/env bash
# The computer levels' figures at every table: for each preset and seat count,
# Masters against Experts and an Expert against Novices (partners: two against
# two, sitting opposite), with the Masters' decision times. Prints one line per
# setup: the stronger side's win rate and interval, its fair share, its worst
# head-to-head rate against another side (three or four sides), and the times.
#
#   tools/table-figures.sh [build-dir] [games] [seed] [parallel runs]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
games=${2:-2000}
seed=${3:-27}
jobs=${4:-2}
tables="$build/tools/pipwright-tables"
[[ -x "$tables" ]] || { echo "no $tables: build the pipwright-tables target" >&2; exit 2; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# preset seats partners: one setup per line.
setups=(
    "partners 4 yes"
    "block 2 no" "block 3 no" "block 4 no" "block 4 yes"
    "draw 2 no" "draw 3 no" "draw 4 no" "draw 4 yes"
    "all-fives 2 no" "all-fives 3 no" "all-fives 4 no" "all-fives 4 yes"
    "fives-and-threes 2 no" "fives-and-threes 3 no" "fives-and-threes 4 no"
    "fives-and-threes 4 yes"
)

# The levels by seat: the strong level at seat 1 (and 3 with partners).
levels() {
    local strong=$1 weak=$2 seats=$3 partners=$4 list=$1
    for ((seat = 2; seat <= seats; seat++)); do
        if [[ $partners == yes && $seat == 3 ]]; then list+=",$strong"; else list+=",$weak"; fi
    done
    echo "$list"
}

runs=()
for setup in "${setups[@]}"; do
    read -r preset seats partners <<<"$setup"
    for pairing in "master expert" "expert novice"; do
        read -r strong weak <<<"$pairing"
        runs+=("$preset $seats $partners $strong $weak")
    done
done

# A field's value in a line of the harness's output.
field() { sed -n "s/.* $1=\([^ ]*\).*/\1/p" <<<"$2"; }

run() {
    read -r preset seats partners strong weak <<<"$1"
    "$tables" --preset "$preset" --seats "$seats" --partners "$partners" \
        --levels "$(levels "$strong" "$weak" "$seats" "$partners")" --games "$games" \
        --seed "$seed" >"$out/$preset-$seats-$partners-$strong.txt"
}
export -f run levels
export tables games seed out
printf '%s\n' "${runs[@]}" | xargs -P "$jobs" -I{} bash -c 'run "{}"'

printf '%-17s %-6s %-15s %6s %-13s %5s %-9s %s\n' preset seats pairing rate ci95 fair \
    worst_pair decision_ms_p50/p99/max
for entry in "${runs[@]}"; do
    read -r preset seats partners strong weak <<<"$entry"
    file="$out/$preset-$seats-$partners-$strong.txt"
    side=$(grep '^side=1 ' "$file")
    worst=$(sed -n 's/^pair=1-.*first_win_rate=\([^ ]*\) ci95_low=\([^ ]*\).*/\1(\2)/p' "$file" |
        sort -n | head -1)
    times=$(sed -n 's/^master_decisions=.*p50=\([^ ]*\) .*p99=\([^ ]*\) .*max=\([^ ]*\)/\1\/\2\/\3/p' \
        "$file")
    label=$seats
    [[ $partners == yes ]] && label="$seats(2v2)"
    printf '%-17s %-6s %-15s %6s %-13s %5s %-9s %s\n' "$preset" "$label" "$strong-v-$weak" \
        "$(field win_rate "$side")" "$(field ci95_low "$side")-$(field ci95_high "$side")" \
        "$(field fair_share "$side")" "${worst:--}" "${times:--}"
    grep -q 'invariant_violations=0 ' "$file" || echo "  violations in $preset $seats $partners"
done
