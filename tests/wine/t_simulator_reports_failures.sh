#!/usr/bin/env bash
# The simulator itself: a script error ends it with status 2 before anything
# runs, an expectation that is not met ends it with status 1 and names the
# line, a script read from standard input runs, and the bare window it
# measures against answers.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin simulator_reports_failures HandsetSim.exe
cd "$TEST_DIR" || exit 1
fail() { echo "$*"; exit 1; }

printf 'wait 10\nexpect greting within 10\n' >bad.script
wine HandsetSim.exe --script bad.script >bad.out 2>&1
status=$?
cat bad.out
[ "$status" -eq 2 ] || fail "expected status 2 for a script error, got $status"
grep -q "line 2: unknown expectation 'greting'" bad.out || fail "expected the script error to name line 2"
grep -q 'script passed' bad.out && fail "a script with an error must not run"

printf 'print before\nexpect greeting within 300\nprint after\n' >unmet.script
wine HandsetSim.exe --script unmet.script --log unmet.log >unmet.out 2>&1
status=$?
cat unmet.out
[ "$status" -eq 1 ] || fail "expected status 1 for an unmet expectation, got $status"
grep -q 'FAIL line 2: expect greeting within 300: not seen' unmet.out || fail "expected the failure of line 2"
grep -q 'print after' unmet.out && fail "the script must stop at the failed step"
cmp -s <(tr -d '\r' <unmet.out) <(tr -d '\r' <unmet.log) || fail "expected the log file to hold the same lines"

printf 'roundtrip-bare 50\nexpect no greeting within 100\n' |
  wine HandsetSim.exe --script - >stdin.out 2>&1
status=$?
cat stdin.out
[ "$status" -eq 0 ] || fail "expected status 0 for a script on standard input, got $status"
grep -q 'roundtrip-bare n=50 failed=0 median_us=[0-9]' stdin.out || fail "expected a bare round-trip median"
grep -q 'script passed' stdin.out || fail "expected the script to pass"
wine_test_confirm stdin.out
