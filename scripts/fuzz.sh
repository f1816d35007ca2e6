#!/usr/bin/env bash
# Runs every fuzz target of build/fuzz for SECONDS seconds each (default 60)
# on a working copy of its seed corpus (fuzz/corpus/NAME, which the run
# never writes), and prints its executions per second, coverage and
# findings. Exits non-zero when any target found something: the input is
# kept in build/fuzz/findings/NAME/ (fix the fault, then add the input to
# the seed corpus as a regression case).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
bin="$repo/build/fuzz/bin"
found=0
for target in "$bin"/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  seeds="$repo/fuzz/corpus/${name#fuzz_}"
  work="$repo/build/fuzz/work/${name#fuzz_}"
  findings="$repo/build/fuzz/findings/${name#fuzz_}"
  mkdir -p "$work" "$findings"
  log="$repo/build/fuzz/$name.log"
  status=0
  "$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$findings/" \
    "$work" "$seeds" >"$log" 2>&1 || status=$?
  execs=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
  crashes=$(find "$findings" -type f | wc -l)
  printf '%-22s %6s exec/s  cov: %-6s findings: %s\n' "$name" "${execs:-?}" "${cov:-?}" "$crashes"
  if [ "$status" -ne 0 ] || [ "$crashes" -ne 0 ]; then
    found=1
    grep -E 'ERROR|SUMMARY' "$log" | head -n 5 | sed 's/^/    /'
  fi
done
exit "$found"
