#!/usr/bin/env bash
# Packs each content folder of data/ into "<folder>.stuff", a ZIP archive with
# sorted entries and fixed times, so the same content gives the same bytes.
set -euo pipefail
src=$(cd "$1" && pwd)
mkdir -p "$2"
dst=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for folder in bin fnt gfx psi snd txt usr xml; do
  out=$dst/$folder.stuff
  rm -f "$out"
  mkdir -p "$work/$folder"
  cp -r "$src/$folder/." "$work/$folder/"
  rm -f "$work/$folder/.gitkeep"
  (cd "$work/$folder"
   # PhysicsFS refuses a ZIP without entries, so an empty folder gets an
   # empty placeholder file.
   if [ -z "$(find . -type f)" ]; then : > .placeholder; fi
   find . -type f -printf '%P\n' | LC_ALL=C sort > "$work/$folder.list"
   while read -r f; do touch -d '2000-01-01 00:00:00 UTC' "$f"; done < "$work/$folder.list"
   TZ=UTC zip -X -q -D "$out" -@ < "$work/$folder.list")
done
