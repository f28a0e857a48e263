#!/bin/bash
# Sets up the machine, builds every configuration and runs every test:
# the window-free code natively (sanitizers), its fuzz targets for a fixed
# count, and the Windows build under Wine.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
root=$(dirname "$here")
cd "$root"
bash scripts/setup.sh
bash scripts/env-up.sh

jobs=$(nproc)
status=0
for preset in host fuzz win32; do
  echo "=== $preset ==="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" || status=1
done
exit $status
