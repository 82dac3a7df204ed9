#!/usr/bin/env bash
# Regenerates every generated asset under data/: fonts, sounds and, when its
# script exists, the pictures. The results are committed, so building and
# running the game needs none of these tools.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh --content
cmake -S . -B build-tools -DFISCORA_TOOLS=ON -DFISCORA_TESTS=OFF -DFISCORA_BENCH=OFF > /dev/null
cmake --build build-tools -j2
tools/make-fonts.sh build-tools
tools/make-sounds.sh
if [ -e tools/make-art.sh ]; then
  sh tools/make-art.sh
fi
