#!/usr/bin/env bash
# Makes the short sounds the music tests play, in the folder given:
#   tone.wav   0.5 s of 440 Hz, 16-bit stereo PCM
#   tone.mp3   the same tone for 1 s, as MP3
#   broken.wav, broken.mp3   text with a sound's name; empty.wav   no bytes
set -euo pipefail
folder=$1
mkdir -p "$folder"
sox -n -r 44100 -c 2 -b 16 "$folder/tone.wav" synth 0.5 sine 440 vol 0.5
sox -n -r 44100 -c 2 -b 16 "$folder/tone-long.wav" synth 1.0 sine 660 vol 0.5
lame --quiet -b 128 "$folder/tone-long.wav" "$folder/tone.mp3"
rm -f "$folder/tone-long.wav"
echo "not a sound" >"$folder/broken.wav"
echo "not a sound" >"$folder/broken.mp3"
: >"$folder/empty.wav"
