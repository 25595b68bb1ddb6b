#!/usr/bin/env bash
# Installs the Debian packages the game needs (only those missing), then configures and builds.
# Usage: scripts/setup.sh BUILD_DIR [extra cmake arguments]
# With TARGETS="a b" in the environment only those targets (and what they need) are built.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true

packages=(build-essential cmake ninja-build ccache pkg-config qt6-base-dev qt6-base-private-dev qt6-svg-dev
  qt6-tools-dev qt6-l10n-tools libfluidsynth-dev fluid-soundfont-gm timgm6mb-soundfont libsndfile1-dev libsdl2-dev
  fonts-comic-neue fonts-liberation2 fonts-dejavu-core
  xvfb xauth openbox x11-utils libx11-dev libxfixes-dev libxtst-dev libxcb1-dev qt6-wayland weston xwayland
  ${EXTRA_PACKAGES:-})
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B "$build" -G Ninja "$@" >/dev/null
targets=()
for t in ${TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$build" "${targets[@]}"
