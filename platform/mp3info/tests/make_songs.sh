#!/bin/sh
# Test songs made with lame (layer 3) and twolame (layer 2), and their
# decoding by mpg123 (all frames, no gapless trimming) to compare with ours.
set -e
out=$1
mkdir -p "$out"
cd "$out"
# make encoder extension name rate channels seconds [encoder options]
make() {
  enc=$1 ext=$2 name=$3 rate=$4 ch=$5 secs=$6
  shift 6
  if [ "$ch" = 2 ]; then tone="sine 200-3000 sine 500"; else tone="sine 300-2500"; fi
  sox -n -r "$rate" -c "$ch" -b 16 "$name.src.wav" synth "$secs" $tone vol 0.6
  "$enc" --quiet "$@" "$name.src.wav" "$name.$ext"
  mpg123 -q --no-gapless -w "$name.ref.wav" "$name.$ext"
  rm -f "$name.src.wav"
}
make lame mp3 m1_stereo_cbr 44100 2 3 -b 128
make lame mp3 m1_mono_vbr 32000 1 3 -V 4 --resample 32
make lame mp3 m1_stereo_vbr 48000 2 3 -V 2 --resample 48
make lame mp3 m2_stereo_cbr 22050 2 3 -b 64 --resample 22.05
make lame mp3 m2_mono_vbr 16000 1 3 -V 5 --resample 16
make lame mp3 m25_stereo_cbr 11025 2 3 -b 32 --resample 11.025
make twolame mp2 m1_layer2_stereo 44100 2 3 -b 192
make twolame mp2 m1_layer2_mono 48000 1 3 -b 96
make lame mp3 bench_60s 44100 2 60 -b 128
touch songs.stamp
