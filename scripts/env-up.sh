#!/bin/bash
# Starts the display (Xvfb with openbox) and a persistent wineserver for the
# test prefix. Idempotent: what already runs is left alone.
set -u
here=$(dirname "$(readlink -f "$0")")
. "$here/common.sh"
export HOME="$VORNE_HOME"
num=${DISPLAY#:}
if ! xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
  rm -f "/tmp/.X${num}-lock" "/tmp/.X11-unix/X${num}"
  setsid Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  for _ in $(seq 50); do xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 && break; sleep 0.1; done
fi
if ! pgrep -x openbox >/dev/null; then
  setsid openbox </dev/null >/dev/null 2>&1 &
fi
# A wineserver started from inside ctest would inherit its pipes and hang it;
# start one here, detached, that stays for the whole run.
setsid wineserver -p </dev/null >/dev/null 2>&1 &
for _ in $(seq 50); do pgrep -x wineserver >/dev/null && break; sleep 0.1; done
wine cmd /c exit >/dev/null 2>&1 </dev/null || true
