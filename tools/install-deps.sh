#!/usr/bin/env bash
# Installs every Debian package the build, the game and the tests need.
# Does nothing when they are all present.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  libsdl1.2-compat-dev libsdl-mixer1.2-dev
  libcairo2-dev libpango1.0-dev
  libfluidsynth-dev timgm6mb-soundfont libsndfile1-dev
  fonts-bebas-neue fonts-dejavu-core
  libgtest-dev clang libclang-rt-14-dev
  xvfb xdotool x11-utils matchbox-window-manager imagemagick
  dpkg-dev file lintian lcov
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
