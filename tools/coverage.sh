#!/usr/bin/env bash
# Line and branch coverage of src/ by the test suite.
#   tools/coverage.sh [build folder] [ctest arguments, e.g. -R Slider]
# Builds an instrumented copy (default build-coverage), runs the tests and
# prints gcovr's summary. Per-file tables: <build>/coverage-lines.txt and
# <build>/coverage-branches.txt; the raw data, for tools/coverage-compare.py:
# <build>/coverage.json.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh --coverage
build=${1:-build-coverage}
shift || true
jobs=$(nproc)

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DFISCORA_COVERAGE=ON -DFISCORA_BENCH=OFF >/dev/null
cmake --build "$build" -j "$jobs" >/dev/null
find "$build" -name '*.gcda' -delete
if ! (cd "$build" && ctest -j "$jobs" "$@" >ctest.txt 2>&1); then
  echo "coverage: some tests failed (see $build/ctest.txt)"
fi
# Branches that only exception unwinding can take are left out: the game
# never throws.
gcovr -r . --object-directory "$build" --filter 'src/' -j "$jobs" \
  --exclude-unreachable-branches --exclude-throw-branches \
  --json "$build/coverage.json" 2>"$build/gcovr.txt"
# gcovr run in parallel may leave gcov's working files behind.
find . -maxdepth 1 -name '*.gcov' -delete
gcovr -a "$build/coverage.json" --txt "$build/coverage-lines.txt"
gcovr -a "$build/coverage.json" --branches --txt "$build/coverage-branches.txt"
gcovr -a "$build/coverage.json" --print-summary | grep -E '^(lines|branches):'
