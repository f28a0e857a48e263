#!/bin/bash
# Starts the display (Xvfb with openbox) and a persistent wineserver for
# each test prefix (the 32-bit one only where the host runs 32-bit code).
# Idempotent: what already runs is left alone.
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
# One window manager per display: it is there when the root window names it.
wm_running() { xprop -display "$DISPLAY" -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
if ! wm_running; then
  DISPLAY=$DISPLAY setsid openbox </dev/null >/dev/null 2>&1 &
  for _ in $(seq 50); do wm_running && break; sleep 0.1; done
fi

# A wineserver started from inside ctest would inherit its pipes and hang it;
# start one per prefix here, detached, that stays for the whole run.
start_wineserver() {
  (
    VORNE_WINE_ARCH=$1
    . "$here/common.sh"
    [ -f "$WINEPREFIX/system.reg" ] || exit 0
    setsid wineserver -p </dev/null >/dev/null 2>&1 &
    sleep 0.2
    "$VORNE_WINE" cmd /c exit >/dev/null 2>&1 </dev/null || true
  )
}
if vorne_can_run_win32 >/dev/null; then
  start_wineserver win32
fi
start_wineserver win64
