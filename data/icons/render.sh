#!/bin/sh
# Renders the fixed-size icons from the scalable one (needs rsvg-convert, Debian package librsvg2-bin).
set -eu
cd "$(dirname "$0")"
for size in 48 128; do
    rsvg-convert -w "$size" -h "$size" scalable/io.github.pipwright.Pipwright.svg \
        -o "${size}x${size}/io.github.pipwright.Pipwright.png"
done
