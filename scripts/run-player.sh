#!/bin/bash
# Sets up the machine, builds the Windows deliverables, registers the
# components in the private Wine prefix and starts the player: on the
# user's display when there is one, otherwise on the virtual display, where
# a screenshot of the started player is saved and its place printed.
# Arguments are passed to the player (a song or a play list to open).
# The player is the 32-bit deliverable; on a host that runs no 32-bit code
# the 64-bit twin of the same tree runs instead, and the script says so.
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
. scripts/common.sh
if why=$(vorne_can_run_win32); then
  preset=win32 run=scripts/wine-run
  echo "run-player: starting the 32-bit player (build/win32/bin/Vorne.exe)."
else
  preset=win64 run=scripts/wine64-run
  echo "run-player: $why, so the 64-bit twin of the player runs (build/win64/bin/Vorne.exe)."
fi
cmake --preset $preset >/dev/null
cmake --build --preset $preset -j "$(nproc)"
bin=build/$preset/bin
for server in "$bin"/Vornesub.dll "$bin"/Plovex1.ocx "$bin"/Dunmere.ocx; do
  $run regsvr32 /s "$server"
done
if [ "$headless" = 0 ]; then
  exec $run "$bin/Vorne.exe" "$@"
fi

# No display of the user's: the player runs on the virtual one.
trace=$(mktemp /tmp/vorne-trace.XXXXXX)
VORNE_TRACE=$($run winepath -w "$trace" 2>/dev/null | tr -d '\r')
export VORNE_TRACE
$run "$bin/Vorne.exe" "$@" &
player=$!
for _ in $(seq 300); do
  grep -q '^shown' "$trace" 2>/dev/null && break
  kill -0 "$player" 2>/dev/null || break
  sleep 0.1
done
sleep 1
shot="$root/build/$preset/vorne-screenshot.png"
import -window root -display "$DISPLAY" "$shot"
echo "run-player: no display of your own, so Vorne runs on the virtual display $DISPLAY."
echo "run-player: screenshot of the player: $shot"
echo "run-player: the player keeps running; press Ctrl-C to end it."
trap 'kill "$player" 2>/dev/null || true' INT TERM
wait "$player"
