#!/usr/bin/env bash
# Installs what is missing, builds the game alone (the program and its music and sounds, none of the
# tests or tools), and starts it in the folder that holds its music and sounds.
set -euo pipefail
cd "$(dirname "$0")/.."
TARGETS=zur-ev-edivu scripts/setup.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cd build/media
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the game on a virtual screen (xvfb)." >&2
  exec xvfb-run -a ../zur-ev-edivu "$@"
fi
exec ../zur-ev-edivu "$@"
