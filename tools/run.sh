#!/usr/bin/env bash
# Installs what the build needs, builds, and starts the game in a window.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target fiscora
exec build/fiscora -window
