#!/usr/bin/env bash
# Regenerates the bitmap fonts in data/fnt (description, atlas and the font's
# licence) from Quicksand. Usage: tools/make-fonts.sh [build folder with fontgen]
set -euo pipefail
cd "$(dirname "$0")/.."
fontgen="${1:-build-tools}/fontgen"
ttf=/usr/share/fonts/truetype
medium=$ttf/quicksand/Quicksand-Medium.ttf
bold=$ttf/quicksand/Quicksand-Bold.ttf
# Only for characters Quicksand lacks (none at present; fontgen names any it takes).
fallback=$ttf/dejavu/DejaVuSans.ttf
out=data/fnt

for f in "$fontgen" "$medium" "$bold" "$fallback"; do
  [ -e "$f" ] || { echo "make-fonts: missing $f" >&2; exit 1; }
done
mkdir -p "$out"

gen() { "$fontgen" generate --fallback "$fallback" --hinting light "$@"; }
# Small texts: bold keeps strokes solid at 15 pixels.
gen --font "$bold" --size 15 --out "$out/font"
# Body text in white (tinted at run time), near-black and red for printed pages.
gen --font "$medium" --size 19 --out "$out/font_tessaline_19"
gen --font "$medium" --size 19 --colour 2b2b2b --out "$out/font_tessaline_19_black"
gen --font "$medium" --size 19 --colour d32f2f --out "$out/font_tessaline_19_red"
# Headings.
gen --font "$bold" --size 28 --out "$out/font_tessaline_28"

# The atlases are derived from the font, so its licence travels with them.
{
  echo "The bitmap fonts in this folder (*.fnt, *.png) are rendered from Quicksand"
  echo "(Quicksand-Medium.ttf and Quicksand-Bold.ttf, Debian package fonts-quicksand,"
  echo "https://fonts.google.com/specimen/Quicksand/)."
  echo
  echo "Copyright 2011 The Quicksand Project Authors"
  echo
  echo "This Font Software is licensed under the SIL Open Font License, Version 1.1."
  echo
  # The licence text of the package's copyright file, without its indentation.
  awk '/^License: OFL-1.1/ {inside=1; next}
       inside && /^[^ ]/ {exit}
       inside {sub(/^ /, ""); if ($0 == ".") $0 = ""; print}' \
    /usr/share/doc/fonts-quicksand/copyright
} > "$out/OFL.txt"
echo "make-fonts: fonts written to $out"
