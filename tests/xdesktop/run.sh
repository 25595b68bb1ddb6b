#!/usr/bin/env bash
# Runs the desktop test on a real X server with a real window manager: a 2560 x 1440 virtual screen
# under Openbox; the cursors checked at three scales.
# Usage: run.sh TEST_BINARY
set -euo pipefail
test=$1
for tool in Xvfb openbox; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
display=
for n in $(seq 70 99); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=:$n; break; }
done
Xvfb "$display" -screen 0 2560x1440x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
wm=
trap 'kill $wm $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -S "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.05; done
export DISPLAY=$display QT_QPA_PLATFORM=xcb QT_LOGGING_RULES='qt.qpa.*=false'
# The window manager announces itself on the root window once it manages the screen.
start_wm() {
  "$@" >/dev/null 2>&1 &
  wm=$!
  for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return
    sleep 0.05
  done
  echo "the window manager $1 did not start"
  exit 1
}
start_wm openbox --sm-disable
status=0
for scale in 1 1.5 2; do
  XDESKTOP_SCALE=$scale QT_SCALE_FACTOR=$scale "$test" cursorHotSpots || status=1
done
# Without a scale of the user's own the game picks one for this screen.
env -u QT_SCALE_FACTOR "$test" gameOnTopAndCentred || status=1
env -u QT_SCALE_FACTOR "$test" autoScaleOnLargeScreen || status=1
exit $status
