#!/usr/bin/env bash
# Installs what building and running Corvane needs (and with --test what testing needs),
# from Debian's packages only.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config ccache git
  juce-modules-source fst-dev lv2-dev
  libsqlite3-dev sqlite3
  libflac-dev libvorbis-dev libogg-dev
  libasound2-dev libjack-jackd2-dev libfreetype-dev libfontconfig1-dev
  libx11-dev libxext-dev libxinerama-dev libxrandr-dev libxcursor-dev libgl-dev libglu1-mesa-dev
  libgtest-dev libgmock-dev libbenchmark-dev
)
# With --test: what the tests need to run headless and to load the plug-ins in real hosts.
if [ "${1:-}" = "--test" ]; then
  packages+=(xvfb xauth imagemagick libgl1-mesa-dri lilv-utils ardour)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
