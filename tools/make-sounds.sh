#!/usr/bin/env bash
# Regenerates the sounds in data/snd from their sources in art/sounds:
#   effects/<name>.txt  -> <name>.wav  (SoX layers, mixed and normalised)
#   music/<name>.abc    -> <name>.mp3  (abc2midi, FluidSynth, LAME), a seamless loop
# Usage: tools/make-sounds.sh [effects|music] (both when no argument)
set -euo pipefail
cd "$(dirname "$0")/.."
src=art/sounds
out=data/snd
soundfont=/usr/share/sounds/sf2/FluidR3_GM.sf2
rate=44100
# -R seeds SoX's noise generators the same way every run; -D leaves out dither,
# which would add random noise to every file.
sox=(sox -R -D -V1)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# An effect recipe: comment lines (#), "peak <dBFS>" and any number of
# "layer <sox synth arguments and effects>", each rendered from silence; the
# layers are mixed, normalised to the peak and given short fades so that no
# file starts or ends with a click.
make_effect() {
  local recipe=$1 name
  name=$(basename "$recipe" .txt)
  local peak=-6 n=0 layers=() keyword args
  while read -r keyword args; do
    case "$keyword" in
      ''|'#'*) ;;
      peak) peak=$args ;;
      layer)
        # shellcheck disable=SC2086 # the arguments are SoX words
        "${sox[@]}" -n -r $rate -c 1 -e floating-point -b 32 "$work/$name.$n.wav" $args
        layers+=("$work/$name.$n.wav")
        n=$((n + 1)) ;;
      *) echo "make-sounds: $recipe: unknown line '$keyword'" >&2; exit 1 ;;
    esac
  done < "$recipe"
  [ $n -gt 0 ] || { echo "make-sounds: $recipe has no layer" >&2; exit 1; }
  local mix=()
  [ $n -gt 1 ] && mix=(-m)
  "${sox[@]}" "${mix[@]}" "${layers[@]}" -r $rate -c 1 -e signed-integer -b 16 "$out/$name.wav" \
    norm "$peak" fade q 0.002 -0 0.006
  printf 'make-sounds: %-26s %6ss\n' "$name.wav" "$(soxi -D "$out/$name.wav")"
}

effects() {
  for recipe in "$src"/effects/*.txt; do
    make_effect "$recipe"
  done
}

# The loop length in samples from the tune's header: "% loop: <bars> bars", the
# metre M:x/y and the tempo Q:1/4=n. It must be a whole number of samples, so
# that the cut falls exactly on the tune's start.
loop_samples() {
  awk -v rate=$rate '
    /^% *loop: *[0-9]+ *bars/ { match($0, /[0-9]+/); bars = substr($0, RSTART, RLENGTH) }
    /^M:/ { split(substr($0, 3), m, "/"); quarters = m[1] * 4 / m[2] }
    /^Q:1\/4=/ { bpm = substr($0, 7) }
    END {
      if (!bars || !quarters || !bpm) { print "missing"; exit }
      n = bars * quarters * 60 * rate / bpm
      if (n != int(n)) { print "fraction"; exit }
      print n
    }' "$1"
}

# A tune is written to play its body twice. FluidSynth renders both passes
# (reverb included); the second pass is cut out exactly, so its start
# holds the first pass's note and reverb tails and its end runs straight into its
# own start: the loop has no seam and no silence. LAME records its encoder delay
# and padding in the Info tag, which mpg123 (SDL_mixer's decoder) uses to trim
# them.
make_tune() {
  local abc=$1 name samples
  name=$(basename "$abc" .abc)
  samples=$(loop_samples "$abc")
  case "$samples" in
    ''|missing|fraction) echo "make-sounds: $abc: no whole-sample loop length ($samples)" >&2; exit 1 ;;
  esac
  abc2midi "$abc" -o "$work/$name.mid" -silent > /dev/null
  # -O float: no 16-bit dither inside FluidSynth. -C 0: the chorus's LFO runs
  # freely, so with it the two passes differ and the cut would click; without
  # it the second pass repeats the first sample for sample.
  fluidsynth -q -n -i -r $rate -g 0.6 -R 1 -C 0 -O float -T wav -F "$work/$name.raw.wav" \
    "$soundfont" "$work/$name.mid" > /dev/null
  local rendered
  rendered=$(soxi -s "$work/$name.raw.wav" 2>/dev/null)
  if [ "$rendered" -lt $((2 * samples)) ]; then
    echo "make-sounds: $abc renders $rendered samples, less than two passes" >&2
    exit 1
  fi
  "${sox[@]}" "$work/$name.raw.wav" -e signed-integer -b 16 "$work/$name.wav" \
    trim "${samples}s" "${samples}s" norm -3
  lame --quiet --noreplaygain -b 112 --cbr -m j -q 2 "$work/$name.wav" "$out/$name.mp3"
  printf 'make-sounds: %-26s %6ss (loop of %s samples)\n' "$name.mp3" \
    "$(soxi -D "$work/$name.wav")" "$samples"
}

music() {
  [ -e "$soundfont" ] || { echo "make-sounds: missing $soundfont" >&2; exit 1; }
  for abc in "$src"/music/*.abc; do
    make_tune "$abc"
  done
}

case "${1:-all}" in
  effects) effects ;;
  music) music ;;
  all) effects; music ;;
  *) echo "usage: $0 [effects|music]" >&2; exit 2 ;;
esac
