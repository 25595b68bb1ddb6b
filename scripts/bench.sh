#!/usr/bin/env bash
# Measures the game against its targets: start to the first window, resident memory with music
# playing, idle CPU in the game window with and without sound, how quickly a piece of music starts,
# a save's time on the UI thread, its size and "Pokračovat" to the game window on the screen, and
# the wall time of the whole test suite's walkthrough. Needs a built tree (scripts/setup.sh) and
# runs on a virtual screen.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target bench >/dev/null
cd "$build/media"
# One virtual screen for all runs, started first so that its own start-up is not measured.
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid' EXIT
for _ in $(seq 50); do [ -S "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
run() { DISPLAY=$display "$@"; }
# The game's start against a bare Qt window's, each the median of 7 runs taken in turns.
median() { sort -n | sed -n 4p; }
for i in 1 2 3 4 5 6 7; do
  for mode in bare startup; do
    printf '%s ' $mode
    BENCH_T0_NS=$(python3 -c 'import time; print(time.monotonic_ns())') run ../bench $mode | awk '{print $2}'
  done
done >startup.txt
bare=$(awk '$1 == "bare" {print $2}' startup.txt | median)
game=$(awk '$1 == "startup" {print $2}' startup.txt | median)
rm -f startup.txt
echo "start_to_first_window_ms median of 7: bare Qt window $bare, game $game, ratio $(echo "scale=2; $game / $bare" | bc)"
echo "audio engine, music and siren on two channels:"
../bench mix
echo "each piece of music started: Open and Play, the first 10 ms mixed, the first sound:"
../bench start
echo "every track change of the game's music, half way through a device buffer:"
../bench change
echo "game window, music playing (SDL dummy audio driver mixing in real time):"
SDL_AUDIODRIVER=dummy run ../bench game
echo "game window, no sound device:"
SDL_AUDIODRIVER=none run ../bench game
# The saved game, from outside: play into the police station, kill the program with SIGKILL two seconds
# later, start it again and press "Pokračovat" (in a data folder of its own, never the user's).
saves=$(mktemp -d)
trap 'kill $xvfb_pid; rm -rf "$saves"' EXIT
saving() { XDG_DATA_HOME=$saves/data XDG_CONFIG_HOME=$saves/config SDL_AUDIODRIVER=dummy run "$@"; }
echo "saved game: into the police station, SIGKILL 2 s later, Pokracovat:"
saving ../bench play >"$saves/play.out" 2>&1 &
play_pid=$!
for _ in $(seq 150); do grep -q "police station" "$saves/play.out" && break; sleep 0.2; done
sleep 2
kill -9 $play_pid
wait $play_pid 2>/dev/null || true
saving ../bench continue 2>/dev/null
if [ -x ../tests/test_walkthrough ]; then
  start=$(date +%s.%N)
  QT_QPA_PLATFORM=offscreen ../tests/test_walkthrough >/dev/null 2>&1
  echo "walkthrough_wall_seconds $(echo "$(date +%s.%N) - $start" | bc)"
fi
