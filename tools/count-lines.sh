#!/usr/bin/env bash
# Counts code and test lines that are neither blank nor comments:
# code is src/, tools/ and bench/; tests are tests/ (fixture data excluded).
#   tools/count-lines.sh [-v]   (-v also lists each folder)
set -euo pipefail
cd "$(dirname "$0")/.."

# Non-blank, non-comment lines of the given files: // and /* */ comments in
# C and C++, # comments in shell, Python and CMake.
count() {
  [ $# -eq 0 ] && { echo 0; return; }
  awk '
    FNR == 1 { block = 0; hash = (FILENAME ~ /\.(sh|py|cmake)$/ || FILENAME ~ /CMakeLists\.txt$/) }
    {
      line = $0
      gsub(/^[ \t]+|[ \t]+$/, "", line)
      if (block) {
        if (index(line, "*/")) { block = 0; line = substr(line, index(line, "*/") + 2); gsub(/^[ \t]+/, "", line) }
        else next
      }
      if (line == "") next
      if (hash) { if (substr(line, 1, 1) == "#" && substr(line, 1, 2) != "#!") next }
      else {
        if (substr(line, 1, 2) == "//") next
        if (substr(line, 1, 2) == "/*") {
          if (!index(substr(line, 3), "*/")) block = 1
          next
        }
      }
      n++
    }
    END { print n + 0 }' "$@"
}

files() {
  find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' -o -name '*.py' \
    -o -name '*.sh' -o -name 'CMakeLists.txt' -o -name '*.cmake' \) -not -path 'tests/data/*' | sort
}

mapfile -t code_files < <(files src tools bench)
mapfile -t test_files < <(files tests)
code=$(count "${code_files[@]}")
tests=$(count "${test_files[@]}")
if [ "${1:-}" = "-v" ]; then
  for folder in src/* tools bench tests/*; do
    [ -d "$folder" ] || continue
    mapfile -t some < <(files "$folder")
    printf '%-16s %6s\n' "$folder" "$(count "${some[@]}")"
  done
fi
printf 'code  %6d  (src, tools, bench)\n' "$code"
printf 'tests %6d  (tests)\n' "$tests"
awk -v t="$tests" -v c="$code" 'BEGIN { printf "ratio %6.2f  (tests / code)\n", (c ? t / c : 0) }'
