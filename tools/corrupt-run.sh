#!/usr/bin/env bash
# Damages every shipped data file in turn - missing, empty, cut in half and
# overwritten with garbage - while the careful player bot plays two months of
# level 1 with the game built under the sanitizers. A run passes when the game
# ends by itself (exit 0, within the time limit), the sanitizers report
# nothing, and the log's cash lines follow on from each other.
#
#     tools/corrupt-run.sh [--quick] [--only <glob>] [build-dir]
#
# --quick damages the data, fonts and texts and every twentieth picture and sound
# (what CI runs); without it every file. The build directory defaults to
# build-sanitize. Results go to <build-dir>/corrupt-run/results.txt, one line
# per case; the work folders of failed cases are kept beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

quick=0
only="*"
build=build-sanitize
while [ $# -gt 0 ]; do
  case "$1" in
    --quick) quick=1 ;;
    --only) only="$2"; shift ;;
    *) build="$1" ;;
  esac
  shift
done
exe="$root/$build/fiscora"
[ -x "$exe" ] || { echo "no game at $exe: build it first" >&2; exit 2; }

out="$root/$build/corrupt-run"
rm -rf "$out"
mkdir -p "$out"

# The cases: "<mode> <file>" for every chosen file.
files=()
index=0
while IFS= read -r file; do
  case "$file" in
    data/gfx/*|data/snd/*)
      index=$((index + 1))
      if [ $quick -eq 1 ] && [ $((index % 20)) -ne 1 ]; then continue; fi ;;
  esac
  # shellcheck disable=SC2053
  [[ "$file" == $only ]] || continue
  files+=("$file")
done < <(find data -type f | LC_ALL=C sort)
cases="$out/cases.txt"
for file in "${files[@]}"; do
  for mode in missing empty half garbage; do
    echo "$mode $file"
  done
done > "$cases"

export FISCORA_ROOT="$root" FISCORA_EXE="$exe" FISCORA_OUT="$out"
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1

run_case() {
  local mode=$1 file=$2
  local name
  name=$(echo "$mode-$file" | tr '/' '_')
  local work="$FISCORA_OUT/$name"
  mkdir -p "$work"
  cp "$FISCORA_EXE" "$work/fiscora"
  echo "data/ folders" > "$work/fiscora.info"
  # Hard links keep the copy cheap; the damaged file is unlinked first, so the
  # shipped file is never touched.
  cp -al "$FISCORA_ROOT/data" "$work/data"
  # A day a frame rather than the player's pace: the same two months in far
  # fewer frames (the calendar file itself is damaged in its own cases).
  local date="$work/data/xml/date.xml"
  sed 's/<steptime sec="[^"]*"/<steptime sec="0.01"/' "$FISCORA_ROOT/data/xml/date.xml" > "$date.new"
  rm -f "$date" && mv "$date.new" "$date"
  local target="$work/$file"
  local size
  size=$(stat -c %s "$target")
  case "$mode" in
    missing) rm -f "$target" ;;
    empty) rm -f "$target"; : > "$target" ;;
    half) head -c $((size / 2)) "$target" > "$target.cut"; rm -f "$target"
          mv "$target.cut" "$target" ;;
    garbage) rm -f "$target"
             head -c "$size" /dev/urandom > "$target" ;;
  esac
  # A backstop for a bot that cannot find its way through broken screens: two
  # months take some 600 frames.
  echo "3000 quit" > "$work/stop.txt"
  local status=0
  (cd "$work" && FISCORA_HEADLESS=1 FISCORA_FIXED_DT=0.02 FISCORA_SEED=1 \
     FISCORA_AUTOPILOT=stop.txt FISCORA_AUTOPLAY=careful FISCORA_AUTOPLAY_LEVEL=1 \
     FISCORA_AUTOPLAY_MONTHS=2 timeout 300 ./fiscora -window > stdout.txt 2> stderr.txt) ||
    status=$?
  local verdict=ok
  if [ $status -ne 0 ]; then
    verdict="exit $status"
  elif grep -q -E "AddressSanitizer|LeakSanitizer|runtime error:" "$work/stderr.txt"; then
    verdict="sanitizer report"
  elif ! python3 "$FISCORA_ROOT/tools/check-cash.py" "$work/log.log" > "$work/cash.txt"; then
    verdict="cash lines: $(head -1 "$work/cash.txt")"
  fi
  local months
  months=$(grep -a -c "\[Autoplay\].*month [0-9]* over" "$work/log.log" 2> /dev/null || true)
  echo "$verdict | $mode $file | months ${months:-0}"
  if [ "$verdict" = ok ]; then rm -rf "$work"; fi
}
export -f run_case

jobs=$(nproc)
start=$(date +%s)
xargs -P "$jobs" -L 1 bash -c 'run_case "$0" "$1"' < "$cases" | tee "$out/results.txt"
end=$(date +%s)

total=$(wc -l < "$out/results.txt")
failed=$(grep -c -v "^ok " "$out/results.txt" || true)
echo "corrupt run: $total cases, $failed failed, $((end - start)) s"
[ "$failed" -eq 0 ]
