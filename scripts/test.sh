#!/usr/bin/env bash
# Installs what is missing, builds Pipwright and runs every test: the suite
# through CTest, a long self-play run over many seeds, the same suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, the fuzzers for the file readers and
# clang-tidy. Ends with a summary; exits non-zero if anything failed.
#   scripts/test.sh [seconds per fuzzer, default 60]
set -uo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
fuzz_seconds=${1:-60}
jobs=$(nproc)
log_dir="$root/build-logs"
mkdir -p "$log_dir"

"$root/scripts/install-deps.sh" || exit 1

steps=()
failed_steps=0
tests_passed=0
tests_failed=0

# Runs a step, keeps its output in a log and records how it went.
step() {
  local name=$1
  shift
  local start=$SECONDS
  echo "=== $name"
  if "$@" 2>&1 | tee "$log_dir/$name.log"; then
    steps+=("$name: passed in $((SECONDS - start)) s")
  else
    steps+=("$name: FAILED in $((SECONDS - start)) s (log: build-logs/$name.log)")
    failed_steps=$((failed_steps + 1))
  fi
}

# Builds into a folder and runs CTest there.
build_and_test() {
  local build=$1
  shift
  cmake -S "$root" -B "$build" -G Ninja "$@" >/dev/null || return 1
  cmake --build "$build" -j "$jobs" || return 1
  (cd "$build" && ctest --output-on-failure -j "$jobs")
}

sanitized_build_and_test() {
  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    build_and_test "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DPIPWRIGHT_SANITIZE=ON
}

# Adds the counts of CTest's closing line in a step's log.
count_tests() {
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log_dir/$1.log" | tail -n 1)
  [ -n "$line" ] || return 0
  local failed total
  failed=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of [0-9]+.*/\1/')
  total=$(echo "$line" | sed -E 's/.* failed out of ([0-9]+).*/\1/')
  tests_passed=$((tests_passed + total - failed))
  tests_failed=$((tests_failed + failed))
}

# Names the tests that failed in a step, with the last lines each printed, so
# that the summary alone tells what went wrong.
failed_tests() {
  local log="$log_dir/$1.log" name
  grep -q 'The following tests FAILED:' "$log" 2>/dev/null || return 0
  echo "failed in $1:"
  sed -n '/The following tests FAILED:/,$p' "$log" | grep -E '^[[:space:]]+[0-9]+ - ' |
    while read -r _ _ name _; do
      echo "--- $name (last lines)"
      awk -v t="$name" '$0 ~ "Test +#[0-9]+: " t " " {show = 1; n = 0; next}
        show && /Test +#[0-9]+: / {show = 0}
        show && !/^[[:space:]]+Start [0-9]+: / {buf[n++ % 40] = $0}
        END {for (i = (n > 40 ? n - 40 : 0); i < n; i++) print buf[i % 40]}' "$log"
    done
}

step tests build_and_test "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
step long-selfplay "$root/tests/computer/long-selfplay.sh" "$root/build"
step sanitizers sanitized_build_and_test
step fuzz env PIPWRIGHT_FUZZ_BUILD="$root/build-fuzz" sh "$root/fuzz/run.sh" "$fuzz_seconds"
step clang-tidy "$root/tools/run-clang-tidy.sh" "$root/build"
step package "$root/tests/release/package-check.sh" "$root" "$root/build-package"
count_tests tests
count_tests sanitizers

echo
echo "=== Summary"
printf '%s\n' "${steps[@]}"
echo "tests: $tests_passed passed, $tests_failed failed"
failed_tests tests
failed_tests sanitizers
[ "$failed_steps" -eq 0 ] && [ "$tests_failed" -eq 0 ]
