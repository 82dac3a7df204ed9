#!/usr/bin/env bash
# Builds the libFuzzer targets (tests/fuzz, clang) into build-fuzz and runs
# each for the given seconds, printing its executions and whether it found
# anything. A finding (crash, leak, undefined behaviour, timeout, out of
# memory) is kept under build-fuzz/findings/<target>/ and fails the script.
#   tools/fuzz.sh [seconds-per-target] [target...]   (default 20 s, all)
#   e.g. tools/fuzz.sh 900 xml
# Reproduce a finding: build-fuzz/fuzz_<target> <file>
set -euo pipefail

# The seeds: the shipped content, a few hand-made files and the inputs of
# earlier findings (tests/fuzz/regressions/<target>-*), which are run first.
# Event tables are cut into pieces of four records for short inputs.
seed() {
  local name=$1 dir=$build/seeds/$1
  rm -rf "$dir" && mkdir -p "$dir"
  case $name in
    xml) cp data/xml/*.xml "$dir/" ;;
    events) for table in data/bin/p*_events.bin; do
              split -b $((948 * 4)) "$table" "$dir/$(basename "$table" .bin)-"
            done ;;
    font) cp data/fnt/*.fnt "$dir/" ;;
    sidefile) cp tests/fuzz/seeds/sidefile/* "$dir/" ;;
  esac
  cp tests/fuzz/regressions/"$name"-* "$dir/" 2>/dev/null || true
}

# Inside a function, so the whole script is read before it runs and an edit
# during a long run cannot change the running copy.
main() {
  cd "$(dirname "$0")/.."
  local root=$PWD
  seconds=${1:-20}
  shift || true
  build=$root/build-fuzz

  cmake -S . -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFISCORA_FUZZ=ON -DFISCORA_TESTS=OFF -DFISCORA_BENCH=OFF \
    >/dev/null
  cmake --build "$build" --target fuzz_targets -j "$(nproc)" >"$build/build.log" 2>&1 ||
    { tail -40 "$build/build.log"; exit 2; }

  targets=("$@")
  if [ ${#targets[@]} -eq 0 ]; then
    targets=(xml events font sidefile)
  fi

  found=0
  for name in "${targets[@]}"; do
    exe=$build/fuzz_$name
    [ -x "$exe" ] || { echo "fuzz_$name: no such target" >&2; exit 2; }
    seed "$name"
    corpus=$build/corpus/$name findings=$build/findings/$name tmp=$build/tmp/$name
    mkdir -p "$corpus" "$findings"
    rm -rf "$tmp" && mkdir -p "$tmp"
    dict=()
    [ -f "tests/fuzz/dict/$name.dict" ] && dict=(-dict="tests/fuzz/dict/$name.dict")
    log=$build/fuzz_$name.log
    before=$(ls "$findings" | grep -cE '^(crash|leak|timeout|oom)-' || true)
    TMPDIR=$tmp FISCORA_HEADLESS=1 SDL_AUDIODRIVER=dummy \
      ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0" \
      "$exe" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$findings/" "${dict[@]}" "$corpus" "$build/seeds/$name" \
      >"$log" 2>&1 || true
    rm -rf "$tmp"
    runs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || echo 0)
    after=$(ls "$findings" | grep -cE '^(crash|leak|timeout|oom)-' || true)
    if [ "$after" -gt "$before" ] || grep -qE '^==[0-9]+==ERROR|^SUMMARY: ' "$log"; then
      found=1
      echo "fuzz_$name: ${runs:-0} executions in ${seconds} s, FOUND $((after - before)) (see $findings, $log)"
      grep -m3 -E '^==[0-9]+==ERROR|^SUMMARY: |runtime error' "$log" | sed 's/^/  /' || true
    else
      echo "fuzz_$name: ${runs:-0} executions in ${seconds} s, nothing found"
    fi
  done
  return $found
}

main "$@"
exit $?
