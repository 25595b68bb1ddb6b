#!/usr/bin/env bash
# Plays the game for a while as a restless player would (a fixed random sequence of input, in real
# time, on a virtual screen, with the sound mixed by SDL's dummy driver) and samples its resident
# memory every half second. Prints start, peak and end; every sample goes to BUILD/longplay.log.
# Usage: scripts/longplay.sh [BUILD_DIR] [SECONDS] [SEED]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build} seconds=${2:-300} seed=${3:-20261206}
cmake --build "$build" --target longplay media >/dev/null
cd "$build/media"
display=:$((80 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid' EXIT
for _ in $(seq 50); do [ -S "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
DISPLAY=$display SDL_AUDIODRIVER=dummy ../longplay "$seconds" "$seed" 2>/dev/null | tee ../longplay.log | tail -1
