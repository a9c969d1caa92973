#!/bin/bash
# Builds the Debian package in its own Release tree and checks it: its fields and files,
# their owners and modes, lintian (no errors or warnings), and, unpacked into a scratch
# root, the desktop entry, the store metadata and a start of the game from its desktop entry.
# Nothing is installed on this machine: the package is unpacked with dpkg-deb -x, and
# apt-get only simulates the install to show that its dependencies resolve.
#
# Usage: package-check.sh <source-dir> <build-dir>
set -u

source_dir="$1"
build="$2"
work="$(mktemp -d)"
xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Built with the hardening flags of Debian's own packages.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null || exit 1
cmake --build "$build" --target pipwright || exit 1
rm -f "$build"/pipwright_*.deb
(cd "$build" && cpack -G DEB) || exit 1
deb="$(ls "$build"/pipwright_*.deb)"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = pipwright ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version $(field Version) is not $version"
[ "$(field Section)" = games ] || fail "Section is $(field Section)"
echo "Depends: $(field Depends)"
field Depends | grep -q 'libqt6widgets6' || fail "Depends does not name Qt Widgets"

# No maintainer scripts and no conffiles: removing the package removes every file it brought.
control="$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's#^\./##' | grep . | sort | tr '\n' ' ')"
[ "$control" = "control md5sums " ] || fail "control archive holds: $control"

id=io.github.pipwright.Pipwright
cat >"$work/expected" <<EOF
-rw-r--r-- usr/share/applications/$id.desktop
-rw-r--r-- usr/share/doc/pipwright/changelog.gz
-rw-r--r-- usr/share/doc/pipwright/copyright
-rw-r--r-- usr/share/doc-base/pipwright
-rw-r--r-- usr/share/doc/pipwright/help.html
-rw-r--r-- usr/share/doc/pipwright/partners.html
-rw-r--r-- usr/share/doc/pipwright/block.html
-rw-r--r-- usr/share/doc/pipwright/draw.html
-rw-r--r-- usr/share/doc/pipwright/all-fives.html
-rw-r--r-- usr/share/doc/pipwright/fives-and-threes.html
-rw-r--r-- usr/share/icons/hicolor/128x128/apps/$id.png
-rw-r--r-- usr/share/icons/hicolor/48x48/apps/$id.png
-rw-r--r-- usr/share/icons/hicolor/scalable/apps/$id.svg
-rw-r--r-- usr/share/lintian/overrides/pipwright
-rw-r--r-- usr/share/man/man6/pipwright.6.gz
-rw-r--r-- usr/share/metainfo/$id.metainfo.xml
-rwxr-xr-x usr/games/pipwright
EOF
dpkg-deb -c "$deb" >"$work/listing"
awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $1, $6 }' "$work/listing" | sort >"$work/files"
sort -o "$work/expected" "$work/expected"
diff -u "$work/expected" "$work/files" || fail "the package's files differ from the list above"
awk '$2 != "root/root"' "$work/listing" | grep . && fail "files not owned by root"
awk '$1 ~ /^d/ && $1 != "drwxr-xr-x"' "$work/listing" | grep . && fail "directories not 0755"

root="$work/root"
dpkg-deb -x "$deb" "$root"
file "$root/usr/games/pipwright" | grep -q ', stripped' || fail "the binary is not stripped"
ldd "$root/usr/games/pipwright" | grep 'not found' && fail "libraries missing"
apt-get install --simulate --no-install-recommends "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; fail "apt-get cannot install the package"; }

desktop="$root/usr/share/applications/$id.desktop"
desktop-file-validate "$desktop" >"$work/desktop.log" 2>&1
[ -s "$work/desktop.log" ] && { cat "$work/desktop.log"; fail "desktop-file-validate"; }
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli validate"

echo "lintian:"
lintian --fail-on error,warning --display-info "$deb" 2>&1 | grep -v 'running with root privileges'
[ "${PIPESTATUS[0]}" -eq 0 ] || fail "lintian reports errors or warnings"

# Start the game as a menu would: the Exec line, found on a PATH that holds the package's
# /usr/games, must open the game's first window.
# The entry's own Exec line, the first: the actions' lines follow it.
exec_line="$(sed -n 's/^Exec=//p' "$desktop" | head -n1)"
if command -v Xvfb >/dev/null 2>&1 && command -v xdpyinfo >/dev/null 2>&1 &&
    command -v xdotool >/dev/null 2>&1; then
    . "$(dirname "$0")/private-display.sh"
    start_private_display || exit 1
    PATH="$root/usr/games:$PATH" $exec_line >"$work/game.log" 2>&1 &
    game_pid=$!
    # Waits for the window while the game runs, for a minute at most.
    window=""
    for _ in $(seq 600); do
        kill -0 "$game_pid" 2>/dev/null || break
        window="$(xdotool search --all --onlyvisible --pid "$game_pid" --name '^Pipwright$' \
            2>/dev/null)" && break
        sleep 0.1
    done
    if [ -n "$window" ]; then
        echo "the desktop entry started the game"
    else
        cat "$work/game.log"
        fail "the desktop entry did not open the game's window"
    fi
else
    echo "Xvfb or xdotool missing: the start from the desktop entry is not tried"
fi

[ "$failures" -eq 0 ] || exit 1
echo "package checked"
