#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Brindlecut needs.
# Quiet when everything is already there.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libqt6svg6
  libgl-dev libavformat-dev libavutil-dev
  # tests
  googletest libgtest-dev xvfb xauth imagemagick
  # the program at run time: encoder, media playback, fonts
  ffmpeg qt6-qpa-plugins libqt6multimedia6
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad
  gstreamer1.0-plugins-ugly gstreamer1.0-libav fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
echo "bootstrap: installing ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
