#!/bin/sh
# Regenerates the GUI and menu pictures: tools/art/gensvg.py, furniture.py
# and notice.py write the SVG sources into art/gfx/, rsvg-convert renders each
# one and tools/art/pngtool.py rewrites it as a plain RGBA PNG (or, for
# NAME.bmp.svg, a 32-bit BMP) in data/gfx/. Same bytes on every run.
set -eu
export PYTHONDONTWRITEBYTECODE=1
root=$(cd "$(dirname "$0")/.." && pwd)
src="$root/art/gfx"
out="$root/data/gfx"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM

command -v rsvg-convert >/dev/null || { echo "make-art: rsvg-convert missing (librsvg2-bin)" >&2; exit 1; }

python3 "$root/tools/art/gensvg.py" "$src"
python3 "$root/tools/art/furniture.py" "$src" "$root/data/xml/furnitures.xml"
python3 "$root/tools/art/notice.py" "$src"
mkdir -p "$out"
for svg in "$src"/*.svg; do
    name=$(basename "$svg" .svg)
    rsvg-convert --format=png --output="$tmp/render.png" "$svg"
    case "$name" in
        *.bmp) python3 "$root/tools/art/pngtool.py" bmp "$tmp/render.png" "$out/$name" ;;
        *) python3 "$root/tools/art/pngtool.py" png "$tmp/render.png" "$out/$name.png" ;;
    esac
    echo "make-art: $name"
done
