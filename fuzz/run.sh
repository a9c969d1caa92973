#!/bin/sh
# Builds the fuzzers with clang in their own folder and runs each for a bounded
# time. Exits non-zero on any crash, hang or sanitizer report.
#   fuzz/run.sh [seconds per fuzzer, default 60]
set -eu

seconds=${1:-60}
here=$(cd "$(dirname "$0")" && pwd)
build=${PIPWRIGHT_FUZZ_BUILD:-$here/../build-fuzz}

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C "$build" fuzz_saved_game fuzz_play_saved_game fuzz_history fuzz_rules_apply \
    fuzz_table_file

status=0
for target in saved_game:saved play_saved_game:saved history:history rules_apply:rules \
    table_file:tables; do
    name=${target%%:*}
    seeds=$here/corpus/${target#*:}
    work=$build/corpus-$name
    mkdir -p "$work"
    echo "== fuzz_$name for $seconds s"
    if ! "$build/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=65536 -artifact_prefix="$build/crash-$name-" -print_final_stats=1 \
        "$work" "$seeds"; then
        echo "fuzz_$name FAILED: see $build/crash-$name-*" >&2
        status=1
    fi
done
exit $status
