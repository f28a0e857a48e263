#!/bin/bash
# CPU time of the player process while it plays a song and while it is idle
# after the song's end, beside the wall time: 10 seconds each.
#   VORNE_ENV=... VORNE_DISPLAY=:NN player/playback/bench/player_cpu.sh build/<tree>/bin
set -euo pipefail
bin=$(readlink -f "${1:?the bin folder of a build}")
here=$(dirname "$(readlink -f "$0")")
wine_run="$here/../../../scripts/wine-run"
dir=$(mktemp -d /tmp/vorne-cpu.XXXXXX)
trap 'kill "$player" 2>/dev/null || true; rm -rf "$dir"' EXIT
for f in Vorne.exe Plovex1.ocx Dunmere.ocx Vornesub.dll; do cp "$bin/$f" "$dir/"; done
sox -n -r 44100 -c 2 -b 16 "$dir/song.wav" synth 14 sine 330 gain -12
lame --quiet -b 128 --tt "Bench Song" --ta "Vorne" "$dir/song.wav" "$dir/song.mp3"
cd "$dir"
song="Z:$(echo "$dir/song.mp3" | tr '/' '\\')"
setsid "$wine_run" ./Vorne.exe "$song" >/dev/null 2>&1 &
player=$!
sleep 3
pid=$(pgrep -f "Vorne.exe" -n)
hz=$(getconf CLK_TCK)
measure() {
  local t0 t1 w0 w1
  t0=$(awk '{print $14+$15}' "/proc/$pid/stat"); w0=$(date +%s.%N)
  sleep 10
  t1=$(awk '{print $14+$15}' "/proc/$pid/stat"); w1=$(date +%s.%N)
  echo "$1: cpu $(echo "scale=2; ($t1-$t0)/$hz" | bc) s in $(echo "scale=2; $w1-$w0" | bc) s wall = $(echo "scale=2; 100*($t1-$t0)/$hz/($w1-$w0)" | bc)% of one core"
}
measure playing
sleep 3
measure idle
kill "$pid" 2>/dev/null || true
