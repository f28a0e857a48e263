#!/bin/sh
# Tagged copies of a test song, written by other taggers:
#   clip_v2.mp3     ID3v2.4 in UTF-16: title, artist and album beyond ASCII
#   clip_mixed.mp3  ID3v2 with a title only, and an ID3v1 block with all
#                   three (its artist holds the byte E9, an ANSI "é")
# usage: make_tagged_songs.sh song.mp3 out_dir
set -eu
song=$1
out=$2
cp "$song" "$out/clip_v2.mp3"
eyeD3 --no-color --quiet --to-v2.4 --encoding utf16 -t 'Café ’Night’ 夜' -a 'Ärtist' -A '漢字 Album' \
  "$out/clip_v2.mp3" >/dev/null
cp "$song" "$out/clip_mixed.mp3"
eyeD3 --no-color --quiet --to-v2.3 -t 'Two' "$out/clip_mixed.mp3" >/dev/null
id3v2 -1 -t 'One' -a "$(printf 'Caf\351')" -A 'V1 Album' "$out/clip_mixed.mp3"
