#!/bin/sh
# Runs a command, or reports the test as skipped (77) when the program is not installed.
if ! command -v "$1" >/dev/null 2>&1; then
    echo "$1 is not installed: skipped"
    exit 77
fi
exec "$@"
