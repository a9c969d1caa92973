#!/usr/bin/env bash
# Installs what building, playing and testing Pipwright need on Debian 12,
# skipping packages that are already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  googletest libgtest-dev
  clang libclang-rt-14-dev clang-tidy
  xvfb xdotool x11-utils imagemagick fonts-dejavu-core
  dbus dbus-x11 at-spi2-core python3-pyatspi
  appstream desktop-file-utils
  dpkg-dev file lintian
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
