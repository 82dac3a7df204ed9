#!/usr/bin/env bash
# The results page as a browser shows it: writes the sample page through the
# tests' own write test, photographs it with headless Chromium and checks
# that the picture is not blank.
#   page-shot.sh <fiscora_tests> <work folder>   (exit 77: no Chromium, skipped)
set -euo pipefail
tests_exe=$1
work=$2

browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ]; then
  echo "SKIPPED: Chromium is not installed, so the results page is not photographed" \
       "(Debian: apt-get install chromium)"
  exit 77
fi

rm -rf "$work"
mkdir -p "$work"
cd "$work"
# Chromium's profile, caches and crash reports stay in the work folder.
export HOME=$PWD/home XDG_CONFIG_HOME=$PWD/home/config XDG_CACHE_HOME=$PWD/home/cache

test_name=ResultsPage.IsWrittenIntoTheDataFolder
if ! "$tests_exe" --gtest_filter="$test_name" > write.txt 2>&1; then
  cat write.txt
  exit 1
fi
page=$PWD/$test_name/data-home/fiscora/fiscora-resultat.html
if [ ! -s "$page" ]; then
  echo "no page at $page"
  exit 1
fi

shot=$PWD/page-shot.png
if ! timeout 120 "$browser" --headless --no-sandbox --disable-gpu --hide-scrollbars \
     --no-first-run --user-data-dir="$PWD/home/profile" --window-size=1000,1600 \
     --screenshot="$shot" "file://$page" > chromium.txt 2>&1 || [ ! -s "$shot" ]; then
  cat chromium.txt
  echo "Chromium made no screenshot"
  exit 1
fi

python3 - "$shot" <<'PY'
import collections, struct, sys, zlib

data = open(sys.argv[1], "rb").read()
chunks, pos = collections.defaultdict(bytes), 8
while pos + 8 <= len(data):
    length, kind = struct.unpack(">I4s", data[pos:pos + 8])
    chunks[kind] += data[pos + 8:pos + 8 + length]
    pos += 12 + length
width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", chunks[b"IHDR"])
if data[:8] != b"\x89PNG\r\n\x1a\n" or depth != 8 or colour not in (2, 6) or interlace:
    sys.exit("the screenshot is not an 8-bit RGB(A) PNG")
if (width, height) != (1000, 1600):
    sys.exit(f"the screenshot is {width} x {height}, not 1000 x 1600")
bpp = 3 if colour == 2 else 4
stride, raw = width * bpp, zlib.decompress(chunks[b"IDAT"])
prev, colours = bytearray(stride), collections.Counter()
for y in range(height):
    start = y * (stride + 1) + 1
    kind, line = raw[start - 1], bytearray(raw[start:start + stride])
    for i in range(stride) if kind else ():
        a, b = (line[i - bpp] if i >= bpp else 0), prev[i]
        c = prev[i - bpp] if i >= bpp else 0
        p = a + b - c
        paeth = min((abs(p - a), 0, a), (abs(p - b), 1, b), (abs(p - c), 2, c))[2]
        line[i] = (line[i] + (0, a, b, (a + b) // 2, paeth)[kind]) & 255
    colours.update(bytes(line[x:x + 3]) for x in range(0, stride, bpp))
    prev = line

common, count = colours.most_common(1)[0]
print(f"{len(colours)} colours; the commonest, #{common.hex()}, covers {100 * count / (width * height):.1f} %")
# Text, the chart and the table make many shades; a blank or failed page is
# one colour, or nearly.
if len(colours) < 32 or count > 0.9 * width * height:
    sys.exit("the screenshot looks blank")
PY
echo "screenshot: $shot"
