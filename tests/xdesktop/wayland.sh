#!/usr/bin/env bash
# The game in a Wayland session with an X server beside it, as Debian's desktops start it: a headless
# weston (1920 x 1080) with Xwayland. Started as a player starts it, the game runs on X, its splash
# centred; asked for Wayland itself, it plays there. Pictures of both are left in SHOT_DIR.
# Usage: wayland.sh GAME TEST_BINARY SHOT_DIR
set -euo pipefail
game=$1 test=$2 shots=$3
for tool in weston Xwayland weston-screenshooter xwininfo; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
# Xwayland's socket folder; weston does not make it where no X server ran before.
[ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix 2>/dev/null || { echo "skipped: no /tmp/.X11-unix"; exit 77; }
runtime=$(mktemp -d)
mkdir -p "$shots"
rm -f "$shots"/*.png
log=$runtime/weston.log
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wayland-zur QT_LOGGING_RULES='qt.qpa.*=false'
# The game as a new player starts it: no settings or saved game left by another test.
export XDG_CONFIG_HOME=$runtime/config XDG_DATA_HOME=$runtime/data
# --debug lets weston-screenshooter take pictures.
weston --backend=headless-backend.so --use-pixman --xwayland --debug --idle-time=0 --socket=wayland-zur \
  --width=1920 --height=1080 >"$log" 2>&1 &
weston=$!
trap 'kill $weston 2>/dev/null || true; wait 2>/dev/null; rm -rf "$runtime"' EXIT
# Waits up to 30 s (a busy machine) for a condition, looking every 50 ms.
wait_for() {
  for _ in $(seq 600); do
    "$@" && return 0
    kill -0 $weston 2>/dev/null || { echo "weston stopped:"; cat "$log"; exit 1; }
    sleep 0.05
  done
  return 1
}
x_display() { grep -o 'xserver listening on display :[0-9]*' "$log" | grep -o ':[0-9]*$'; }
wait_for test -S "$runtime/wayland-zur" || { echo "weston did not start"; exit 1; }
wait_for x_display >/dev/null || { echo "weston started no X server"; exit 1; }
display=$(x_display)

# Started as a player starts it, then asked for Wayland itself: the test starts the game for the first.
DISPLAY=$display ZUR_GAME=$game WAYLAND_SHOTS=$shots QT_QPA_PLATFORM=wayland "$test"
