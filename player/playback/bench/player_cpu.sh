#!/bin/bash
# CPU time of the player process while it plays a song and while it is idle
# after the song's end, beside the wall time: 10 seconds each. Beside them,
# the media control alone playing the same song (vorne_control_alone.exe):
# what is left after taking that away is the player's own share. Each
# measure lists the busiest threads of the process by name.
#   VORNE_ENV=... VORNE_DISPLAY=:NN player/playback/bench/player_cpu.sh build/<tree>/bin
set -euo pipefail
bin=$(readlink -f "${1:?the bin folder of a build}")
here=$(dirname "$(readlink -f "$0")")
wine_run="$here/../../../scripts/wine-run"
[[ -x "$bin/vorne_control_alone.exe" ]] || { echo "player_cpu: $bin/vorne_control_alone.exe is missing" >&2; exit 2; }
# A player already running in the prefix would take the song over from the
# one started here, which would then measure nothing.
if pgrep -f '[\\/]Vorne[.]exe' >/dev/null; then
  echo "player_cpu: a Vorne.exe is already running; close it first" >&2
  exit 2
fi
dir=$(mktemp -d /tmp/vorne-cpu.XXXXXX)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$dir"' EXIT
for f in Vorne.exe Plovex1.ocx Dunmere.ocx Vornesub.dll vorne_control_alone.exe; do cp "$bin/$f" "$dir/"; done
sox -n -r 44100 -c 2 -b 16 "$dir/song.wav" synth 14 sine 330 gain -12
lame --quiet -b 128 --tt "Bench Song" --ta "Vorne" "$dir/song.wav" "$dir/song.mp3"
cd "$dir"
song="Z:$(echo "$dir/song.mp3" | tr '/' '\\')"
hz=$(getconf CLK_TCK)

ticks() { awk '{print $14+$15}' "$1"; }

# measure NAME PID: CPU over 10 s of wall time, then the threads that used
# the most of it.
measure() {
  local pid=$2 t0 t1 w0 w1 task
  declare -A before
  for task in /proc/"$pid"/task/*; do before[${task##*/}]=$(ticks "$task/stat" 2>/dev/null || echo 0); done
  t0=$(ticks "/proc/$pid/stat"); w0=$(date +%s.%N)
  sleep 10
  t1=$(ticks "/proc/$pid/stat"); w1=$(date +%s.%N)
  percent=$(echo "scale=2; 100*($t1-$t0)/$hz/($w1-$w0)" | bc)
  echo "$1: cpu $(echo "scale=2; ($t1-$t0)/$hz" | bc) s in $(echo "scale=2; $w1-$w0" | bc) s wall = $percent% of one core"
  for task in /proc/"$pid"/task/*; do
    local now used
    now=$(ticks "$task/stat" 2>/dev/null || echo 0)
    used=$(( now - ${before[${task##*/}]:-0} ))
    if (( used > 0 )); then echo "$used $(cat "$task/comm" 2>/dev/null)"; fi
  done | sort -rn | head -5 | while read -r used name; do
    echo "    $(echo "scale=2; 100*$used/$hz/10" | bc)%  $name"
  done
}

# start PROGRAM ARGS...: sets pid to the Windows program's process.
start() {
  setsid "$wine_run" "$@" >/dev/null 2>&1 &
  pids+=($!)
  sleep 3
  pid=$(pgrep -f "$(basename "$1")" -n)
  pids+=("$pid")
}

start ./vorne_control_alone.exe "$song" 13
measure "the media control alone, playing" "$pid"
alone=$percent
while kill -0 "$pid" 2>/dev/null; do sleep 0.5; done

start ./Vorne.exe "$song"
measure "the player, playing" "$pid"
playing=$percent
echo "the player's own share while playing: $(echo "scale=2; $playing-$alone" | bc)% of one core"
sleep 3
measure "the player, idle" "$pid"
kill "$pid" 2>/dev/null || true
for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.5; done
