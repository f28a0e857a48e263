#!/bin/sh
# The wave output's time for a song beside mpg123 -w's time for the same
# song (best of five each), and their ratio.
#   bench_ratio.sh <emulator> <benchmark.exe> <song.mp3>
set -e
emu=$1 exe=$2 song=$3
tmp=$(mktemp -d)
times=
for i in 1 2 3 4 5; do
  t0=$(date +%s.%N)
  mpg123 -q -w "$tmp/ref.wav" "$song"
  t1=$(date +%s.%N)
  times="$times $(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.6f", b - a }')"
done
best=$(echo "$times" | awk '{ m = $1; for (i = 2; i <= NF; ++i) if ($i < m) m = $i; print m }')
out=$(cd "$tmp" && "$emu" "$exe" "$song" 5)
rm -rf "$tmp"
echo "$out" | awk -v song="$song" -v ref="$best" '
  /vorne_seconds/ { ours = $2 }
  /vorne_bytes/ { bytes = $2 }
  /vorne_open_seconds/ { open = $2 }
  /vorne_decode_seconds/ { decode = $2 }
  /vorne_rest_seconds/ { rest = $2 }
  END {
    printf "song: %s\n", song
    printf "mpg123 -w:   %.4f s\n", ref
    printf "wave output: %.4f s (%.1f MB/s of PCM)\n", ours, bytes / ours / 1e6
    printf "  reading and indexing: %.4f s, decoder calls: %.4f s, frames and writes: %.4f s\n", open, decode, rest
    printf "ratio (wave output time / mpg123 time): %.2f\n", ours / ref
  }'
