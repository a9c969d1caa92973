#!/usr/bin/env bash
# Installs what is missing, builds Pipwright and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$root/build" --target pipwright
exec "$root/build/ui/pipwright" "$@"
