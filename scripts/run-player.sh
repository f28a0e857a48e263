#!/bin/bash
# Sets up the machine, builds the Windows deliverables, registers the
# components in the private Wine prefix and starts the player: on the
# user's display when there is one, otherwise on the virtual display, where
# a screenshot of the started player is saved and its place printed.
# Arguments are passed to the player (a song or a play list to open).
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
root=$(dirname "$here")
cd "$root"
bash scripts/setup.sh
if [ -n "${DISPLAY:-}" ] && xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
  export VORNE_DISPLAY="$DISPLAY"
  headless=0
else
  headless=1
fi
bash scripts/env-up.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$(nproc)"
bin=build/win32/bin
for server in "$bin"/Vornesub.dll "$bin"/Plovex1.ocx "$bin"/Dunmere.ocx; do
  scripts/wine-run regsvr32 /s "$server"
done
if [ "$headless" = 0 ]; then
  exec scripts/wine-run "$bin/Vorne.exe" "$@"
fi

# No display of the user's: the player runs on the virtual one.
. scripts/common.sh
trace=$(mktemp /tmp/vorne-trace.XXXXXX)
VORNE_TRACE=$(scripts/wine-run winepath -w "$trace" 2>/dev/null | tr -d '\r')
export VORNE_TRACE
scripts/wine-run "$bin/Vorne.exe" "$@" &
player=$!
for _ in $(seq 300); do
  grep -q '^shown' "$trace" 2>/dev/null && break
  kill -0 "$player" 2>/dev/null || break
  sleep 0.1
done
sleep 1
shot="$root/build/win32/vorne-screenshot.png"
import -window root -display "$DISPLAY" "$shot"
echo "run-player: no display of your own, so Vorne runs on the virtual display $DISPLAY."
echo "run-player: screenshot of the player: $shot"
echo "run-player: the player keeps running; press Ctrl-C to end it."
trap 'kill "$player" 2>/dev/null || true' INT TERM
wait "$player"
