#!/usr/bin/env bash
# Runs every Wine end-to-end test (tests/wine/t_*.sh) against the programs in
# WINE_TEST_BIN (default build/win64/bin): one line per test, then
# "ARCH: N passed, M failed, K skipped".
# Usage: tests/wine/run.sh [PATTERN]   (PATTERN selects tests by name)
#
# Before anything starts, every t_*.sh must have its line in README.md's table
# of tests (and every line there its test), or the run fails.
#
# Exits 0 only when at least one test ran and every test that ran passed. A
# test passes only when it exited 0 within its time and confirmed at least
# one simulator run (see scripts/wine-env.sh). Before any test, a one-line
# script proves that Wine really runs these programs: Debian's wine64 alone
# "runs" a 32-bit program as a no-op that exits 0.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/scripts/wine-env.sh"

test_timeout=${WINE_TEST_TIMEOUT:-120}
pattern=${1:-}
started=$(date +%s)

# The architecture of a Windows program, from its PE header.
pe_arch() {
  local offset machine
  offset=$(od -An -t u4 -j 60 -N 4 "$1" 2>/dev/null | tr -d ' ')
  [ -n "$offset" ] || { echo unknown; return; }
  machine=$(od -An -t x2 -j $((offset + 4)) -N 2 "$1" 2>/dev/null | tr -d ' ')
  case "$machine" in
    014c) echo i686 ;;
    8664) echo x86_64 ;;
    *) echo "unknown" ;;
  esac
}

arch=$(pe_arch "$WINE_TEST_BIN/$SIM_EXE")
give_up() {
  echo "$*"
  echo "$arch: 0 passed, 1 failed"
  exit 1
}

shopt -s nullglob
# README.md's table of tests names every t_*.sh and no test that is gone.
unlisted=()
for test in "$here"/t_*.sh; do
  name=$(basename "$test" .sh)
  grep -qF "| \`$name\` |" "$here/README.md" || unlisted+=("$name")
done
[ ${#unlisted[@]} -eq 0 ] ||
  give_up "not in the table of tests in $here/README.md (add a line for each): ${unlisted[*]}"
gone=$(sed -n "s/^| \`\(t_[A-Za-z0-9_]*\)\` |.*/\1/p" "$here/README.md" |
  while read -r name; do [ -f "$here/$name.sh" ] || echo "$name"; done)
[ -z "$gone" ] || give_up "named in $here/README.md but not in $here: ${gone//$'\n'/ }"

tests=()
for test in "$here"/t_*.sh; do
  name=$(basename "$test" .sh)
  [ -n "$pattern" ] && [[ $name != *$pattern* ]] && continue
  tests+=("$test")
done
[ ${#tests[@]} -gt 0 ] || give_up "no test matches '${pattern:-t_*}' in $here"
for exe in "$PANEL_EXE" "$SIM_EXE"; do
  [ -f "$WINE_TEST_BIN/$exe" ] || give_up "missing $WINE_TEST_BIN/$exe (build the programs first)"
done

wine_env_start || give_up "no test environment (X display, Wine prefix)"
echo "display $DISPLAY, prefix $WINEPREFIX, programs $WINE_TEST_BIN ($arch)"

# Wine must really run these programs: the simulator, given a script on
# standard input, must print its line and pass.
probe="$WINE_TEST_ROOT/work/_wine_runs_programs"
rm -rf "$probe" && mkdir -p "$probe" && cp "$WINE_TEST_BIN/$SIM_EXE" "$probe/"
(cd "$probe" && printf 'print wine-runs-this-program\n' |
  timeout -k 5 60 wine "$SIM_EXE" --script - >probe.out 2>&1)
probe_status=$?
wineserver -k >/dev/null 2>&1
if [ "$probe_status" -ne 0 ] || ! tr -d '\r' <"$probe/probe.out" | grep -q ' wine-runs-this-program$' ||
  ! tr -d '\r' <"$probe/probe.out" | grep -q ' script passed$'; then
  sed 's/^/     /' "$probe/probe.out" | head -n 8
  hint=""
  [ "$arch" = i686 ] && hint=" (a 32-bit program needs Wine's 32-bit side, wine32:i386, and a prefix made with it)"
  give_up "Wine did not run $WINE_TEST_BIN/$SIM_EXE (exit status $probe_status)$hint"
fi

passed=0
failed=0
skipped=0
# Tests waiting for a part of the panel that is not built yet: "name reason".
pending_list="$here/PENDING"
mkdir -p "$WINE_TEST_ROOT/logs"
for test in "${tests[@]}"; do
  name=$(basename "$test" .sh)
  reason=$(grep -E "^${name}[[:space:]]" "$pending_list" 2>/dev/null | cut -d' ' -f2-)
  if [ -n "$reason" ]; then
    skipped=$((skipped + 1))
    printf 'SKIP %-40s (%s)\n' "$name" "$reason"
    continue
  fi
  log="$WINE_TEST_ROOT/logs/$name.log"
  result="$WINE_TEST_ROOT/logs/$name.result"
  rm -f "$result"
  t0=$(date +%s.%N)
  WINE_TEST_RESULT=$result timeout -k 10 "$test_timeout" bash "$test" >"$log" 2>&1
  status=$?
  seconds=$(awk -v a="$t0" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }')
  why=""
  if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
    why="timed out after $test_timeout s"
  elif [ "$status" -ne 0 ]; then
    why="exit status $status"
  elif ! grep -qE '^confirmed [1-9][0-9]*$' "$result" 2>/dev/null; then
    why="exit status 0 without a confirmed simulator run"
  fi
  if [ -z "$why" ]; then
    passed=$((passed + 1))
    printf 'PASS %-40s %5s s\n' "$name" "$seconds"
  else
    failed=$((failed + 1))
    printf 'FAIL %-40s %5s s  (%s; log: %s)\n' "$name" "$seconds" "$why" "$log"
    grep -E 'FAIL|missing|simulator exit|expected|error' "$log" | head -n 8 | sed 's/^/     /'
  fi
done
wineserver -k >/dev/null 2>&1
echo "suite time $(($(date +%s) - started)) s"
[ $((passed + failed)) -gt 0 ] || echo "no test ran"
echo "$arch: $passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
