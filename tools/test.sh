#!/usr/bin/env bash
# Installs what the build needs, builds, and runs every test: first a normal
# build, then the same tests built with the address and undefined sanitizers,
# then damaged content under the sanitizers while the player bot plays, then a
# short run of each fuzz target (clang), which fails on a finding.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh --fuzz
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DFISCORA_SANITIZE=ON -DFISCORA_BENCH=OFF
cmake --build build-sanitize -j "$jobs"
# Leaks are checked; those inside third-party libraries are suppressed by
# name in tests/lsan.supp, so a leak of our own fails its test.
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1
(cd build-sanitize && ctest --output-on-failure -j "$jobs")

# Damaged content while the bot plays, under the same sanitizers: the data
# files, fonts and texts and a share of the pictures and sounds.
tools/corrupt-run.sh --quick build-sanitize > build-sanitize/corrupt-run.txt ||
  { grep -v "^ok " build-sanitize/corrupt-run.txt; exit 1; }
tail -1 build-sanitize/corrupt-run.txt

# 15 s per target; tools/fuzz.sh N runs them longer.
tools/fuzz.sh 15
