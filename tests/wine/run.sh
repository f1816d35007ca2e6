#!/usr/bin/env bash
# Runs every Wine end-to-end test (tests/wine/t_*.sh) against the x86_64
# programs in build/win64/bin: one line per test, then "N passed, M failed".
# Usage: tests/wine/run.sh [PATTERN]   (PATTERN selects tests by name)
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/scripts/wine-env.sh"

pattern=${1:-}
started=$(date +%s)
wine_env_start || {
  echo "0 passed, 1 failed"
  exit 1
}
echo "display $DISPLAY, prefix $WINEPREFIX, programs $WINE_TEST_BIN"

passed=0
failed=0
skipped=0
# Tests waiting for a part of the panel that is not built yet: "name reason".
pending_list="$here/PENDING"
mkdir -p "$WINE_TEST_ROOT/logs"
for test in "$here"/t_*.sh; do
  name=$(basename "$test" .sh)
  [ -n "$pattern" ] && [[ $name != *$pattern* ]] && continue
  reason=$(grep -E "^$name[[:space:]]" "$pending_list" 2>/dev/null | cut -d' ' -f2-)
  if [ -n "$reason" ]; then
    skipped=$((skipped + 1))
    printf 'SKIP %-40s (%s)\n' "$name" "$reason"
    continue
  fi
  log="$WINE_TEST_ROOT/logs/$name.log"
  t0=$(date +%s.%N)
  timeout 120 bash "$test" >"$log" 2>&1
  status=$?
  seconds=$(awk -v a="$t0" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }')
  if [ "$status" -eq 0 ]; then
    passed=$((passed + 1))
    printf 'PASS %-40s %5s s\n' "$name" "$seconds"
  else
    failed=$((failed + 1))
    printf 'FAIL %-40s %5s s  (log: %s)\n' "$name" "$seconds" "$log"
    grep -E 'FAIL|missing|simulator exit|expected|error' "$log" | head -n 8 | sed 's/^/     /'
  fi
done
echo "suite time $(($(date +%s) - started)) s"
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
