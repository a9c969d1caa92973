#!/usr/bin/env bash
# Runs clang-tidy over Pipwright's own sources, using a build directory's
# compile_commands.json. Generated files (moc, rcc, uic) are skipped.
# Exits non-zero when clang-tidy reports any warning or error.
#
# Usage: tools/run-clang-tidy.sh [build-dir] [path-filter-regex]
#   CLANG_TIDY  the clang-tidy binary (default: clang-tidy-14, else clang-tidy)
#   JOBS        parallel runs (default: the number of processors)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
filter="${2:-.}"
tidy="${CLANG_TIDY:-$(command -v clang-tidy-14 || command -v clang-tidy || true)}"
jobs="${JOBS:-$(nproc)}"

if [[ -z "$tidy" ]]; then
    echo "run-clang-tidy: clang-tidy not found (Debian package clang-tidy-14)" >&2
    exit 2
fi
if [[ ! -f "$build/compile_commands.json" ]]; then
    echo "run-clang-tidy: $build/compile_commands.json missing; configure with cmake first" >&2
    exit 2
fi

sources_dirs='rules|session|game|computer|language|storage|ui|tests|tools'
mapfile -t files < <(python3 - "$build/compile_commands.json" "$root" "$sources_dirs" "$filter" <<'PY'
import json, os, re, sys
commands, root, dirs, path_filter = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4]
own = re.compile(r"^" + re.escape(root) + r"/(" + dirs + r")/")
generated = re.compile(r"(_autogen/|/moc_|/qrc_|/ui_|mocs_compilation)")
wanted = re.compile(path_filter)
seen = set()
for entry in json.load(open(commands)):
    path = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
    if own.search(path) and not generated.search(path) and wanted.search(path):
        seen.add(path)
print("\n".join(sorted(seen)))
PY
)

if [[ ${#files[@]} -eq 0 || -z "${files[0]}" ]]; then
    echo "run-clang-tidy: no sources to check"
    exit 0
fi

header_filter="^$(printf '%s' "$root" | sed 's/[.[\*^$()+?{|]/\\&/g')/($sources_dirs)/"
log="$(mktemp)"
trap 'rm -f "$log"' EXIT

echo "run-clang-tidy: checking ${#files[@]} files with $tidy ($jobs at a time)"
status=0
printf '%s\0' "${files[@]}" |
    xargs -0 -n 1 -P "$jobs" "$tidy" -p "$build" --quiet --header-filter="$header_filter" \
        >"$log" 2>&1 || status=$?

# A header's findings repeat in every file that includes it: report each once.
findings="$(grep -E '^[^ ].*:[0-9]+:[0-9]+: (warning|error):' "$log" | sort -u || true)"
if [[ -n "$findings" ]]; then
    python3 - "$log" <<'PY'
import re, sys
seen = set()
block = []
def flush():
    if block and block[0] not in seen:
        seen.add(block[0])
        sys.stdout.write("".join(block))
for line in open(sys.argv[1], errors="replace"):
    if re.match(r"^[^ ].*:\d+:\d+: (warning|error|note):", line) and not " note:" in line:
        flush()
        block = [line]
    elif re.match(r"^\d+ warnings? (and \d+ errors? )?generated", line):
        continue
    elif block:
        block.append(line)
flush()
PY
    count="$(printf '%s\n' "$findings" | wc -l)"
    echo "run-clang-tidy: $count finding(s)"
    exit 1
fi
if [[ $status -ne 0 ]]; then
    cat "$log"
    echo "run-clang-tidy: clang-tidy failed (exit $status)"
    exit 1
fi
echo "run-clang-tidy: no findings"
