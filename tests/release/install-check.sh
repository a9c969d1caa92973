#!/bin/sh
# Installs the build into a scratch prefix and checks that everything a desktop needs is there.
# Usage: install-check.sh <cmake> <build-dir>
set -u
cmake="$1"
build="$2"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

if ! "$cmake" --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
    cat "$prefix.log"
    rm -f "$prefix.log"
    echo "FAIL: cmake --install failed"
    exit 1
fi
rm -f "$prefix.log"

id=io.github.pipwright.Pipwright
missing=0
expect() {
    if [ ! -s "$prefix/$1" ]; then
        echo "FAIL: $1 not installed"
        missing=$((missing + 1))
    fi
}
expect bin/pipwright
expect share/applications/$id.desktop
expect share/metainfo/$id.metainfo.xml
expect share/icons/hicolor/scalable/apps/$id.svg
expect share/icons/hicolor/48x48/apps/$id.png
expect share/icons/hicolor/128x128/apps/$id.png
expect share/doc/pipwright/help.html
for page in partners block draw all-fives fives-and-threes; do
    expect share/doc/pipwright/$page.html
done

if [ -f "$prefix/bin/pipwright" ] && [ ! -x "$prefix/bin/pipwright" ]; then
    echo "FAIL: bin/pipwright is not executable"
    missing=$((missing + 1))
fi
# The launcher starts the installed program by name and shows the installed icon.
desktop="$prefix/share/applications/$id.desktop"
if [ -f "$desktop" ]; then
    grep -qx 'Exec=pipwright' "$desktop" || { echo "FAIL: Exec is not pipwright"; missing=$((missing + 1)); }
    grep -qx "Icon=$id" "$desktop" || { echo "FAIL: Icon is not $id"; missing=$((missing + 1)); }
fi

if [ "$missing" -ne 0 ]; then
    echo "Installed files:"
    (cd "$prefix" && find . -type f | sort)
    exit 1
fi
echo "all files installed"
