#!/bin/sh
# Regenerates the GUI and menu pictures: tools/art/gensvg.py, furniture.py
# and notice.py write the SVG sources into art/gfx/, rsvg-convert renders each
# one and tools/art/pngtool.py rewrites it as a plain RGBA PNG (or, for
# NAME.bmp.svg, a 32-bit BMP) in data/gfx/. tools/art/icon.py writes the
# desktop icon's sources into art/icon/, rendered at the menu sizes into
# packaging/icons/ (the small drawing up to 32 px). Same bytes on every run.
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

python3 "$root/tools/art/icon.py" "$root/art/icon"
for size in 16 24 32 48 64 128 256; do
    svg="$root/art/icon/se.fiscora.Fiscora.svg"
    [ "$size" -le 32 ] && svg="$root/art/icon/se.fiscora.Fiscora-small.svg"
    mkdir -p "$root/packaging/icons/${size}x$size"
    rsvg-convert --format=png --width="$size" --height="$size" --output="$tmp/render.png" "$svg"
    python3 "$root/tools/art/pngtool.py" png "$tmp/render.png" "$root/packaging/icons/${size}x$size/se.fiscora.Fiscora.png"
    echo "make-art: icon ${size}x$size"
done
