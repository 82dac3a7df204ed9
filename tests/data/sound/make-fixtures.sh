#!/bin/sh
# Regenerates the sound test fixtures: tiny sines (the OGG gets a random
# stream serial each time; the rest comes out byte for byte the same).
# Needs sox and lame.
set -e
cd "$(dirname "$0")"
# A 2 s effect: long enough that it is still sounding when a test looks.
sox -n -r 11025 -c 1 -b 8 -D effect.wav synth 2.0 sine 440 vol 0.5
# Two 6 s tunes of different pitch, as MP3 (like the game's music) and OGG.
sox -n -r 22050 -c 1 -b 16 -D /tmp/fiscora-tune-a.wav synth 6.0 sine 330 vol 0.5
sox -n -r 22050 -c 1 -b 16 -D /tmp/fiscora-tune-b.wav synth 6.0 sine 495 vol 0.5
lame --quiet -b 32 -m m --noreplaygain -t /tmp/fiscora-tune-a.wav tune_a.mp3
lame --quiet -b 32 -m m --noreplaygain -t /tmp/fiscora-tune-b.wav tune_b.mp3
sox /tmp/fiscora-tune-a.wav -C 0 tune_a.ogg
rm -f /tmp/fiscora-tune-a.wav /tmp/fiscora-tune-b.wav
# Text that no decoder takes for sound.
printf 'this is not a sound file, only some text standing where one should be\n' > garbage.bin
