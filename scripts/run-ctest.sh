#!/usr/bin/env bash
# run-ctest.sh BUILD_DIR [JOBS]: runs a build's unit tests with ctest and
# keeps the output short without hiding anything that matters. The start
# line and the "Passed" line of each passing test are left out; everything
# else is shown as ctest prints it: the full output of every failing test
# (--output-on-failure, not truncated), the list of failures and the summary.
# The exit status is ctest's; a build without tests fails.
set -uo pipefail
dir=${1:?usage: run-ctest.sh BUILD_DIR [JOBS]}
jobs=${2:-2}

cd "$dir" || exit 1
ctest --output-on-failure --no-tests=error -j"$jobs" \
  --test-output-size-failed 67108864 2>&1 |
  grep -Ev '^ *Start +[0-9]+: |^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* +Passed +[0-9.]+ sec$'
codes=("${PIPESTATUS[@]}")
[ "${codes[0]}" -eq 0 ] || exit "${codes[0]}"
# grep: 0 lines kept, 1 none kept (ctest always prints its summary, so
# that is a fault too), 2 an error.
[ "${codes[1]}" -eq 0 ] || exit 1
