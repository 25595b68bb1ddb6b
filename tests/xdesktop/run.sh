#!/usr/bin/env bash
# Runs the desktop test on a real X server: first bare, as the game meets a server without a window
# manager, then under Openbox on a 2560 x 1440 virtual screen, the cursors checked at three scales.
# Usage: run.sh TEST_BINARY
set -euo pipefail
test=$1
for tool in Xvfb openbox xprop; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
tmp=$(mktemp -d)
# The game as a new player starts it: no settings or saved game left by another test.
export XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data
wm=
xvfb=
trap 'kill $wm $xvfb 2>/dev/null || true; rm -rf "$tmp"' EXIT
# Waits for what a program does, as long as it lives: a busy machine may take its time.
await() {
  local pid=$1 what=$2
  shift 2
  until "$@"; do
    kill -0 "$pid" 2>/dev/null || { echo "$what exited before it was ready"; exit 1; }
    sleep 0.1
  done
}
# The server picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 2560x1440x24 -nolisten tcp 3>"$tmp/display" >/dev/null 2>&1 &
xvfb=$!
await $xvfb "the X server" test -s "$tmp/display"
export DISPLAY=:$(head -n1 "$tmp/display") QT_QPA_PLATFORM=xcb QT_LOGGING_RULES='qt.qpa.*=false'
status=0
env -u QT_SCALE_FACTOR "$test" dropOnTheDialogReachesNothingBeneath || status=1
# The window manager announces itself on the root window once it manages the screen.
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
await $wm "the window manager openbox" sh -c "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'"
for scale in 1 1.5 2; do
  XDESKTOP_SCALE=$scale QT_SCALE_FACTOR=$scale "$test" cursorHotSpots || status=1
done
# Without a scale of the user's own the game picks one for this screen.
env -u QT_SCALE_FACTOR "$test" gameOnTopAndCentred || status=1
env -u QT_SCALE_FACTOR "$test" autoScaleOnLargeScreen || status=1
exit $status
