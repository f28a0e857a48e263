#!/bin/bash
# Sets up the machine, builds the Windows deliverables, registers the
# components in the private Wine prefix and starts the player.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
root=$(dirname "$here")
cd "$root"
bash scripts/setup.sh
bash scripts/env-up.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$(nproc)"
bin=build/win32/bin
for server in "$bin"/*.dll "$bin"/*.ocx; do
  [ -e "$server" ] && scripts/wine-run regsvr32 /s "$server"
done
if [ ! -e "$bin/Vorne.exe" ]; then
  echo "run-player: Vorne.exe is not part of this build yet; the components are built and registered." >&2
  exit 1
fi
exec scripts/wine-run "$bin/Vorne.exe" "$@"
