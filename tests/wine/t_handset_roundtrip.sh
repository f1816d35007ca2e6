#!/usr/bin/env bash
# The panel answers WM_HANDSET at once: the median round trip of 200 status
# messages stays within a few times that of a bare window that only answers,
# measured the same way in the same run.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin handset_roundtrip
sim_run sim <<'SCRIPT' || exit 1
start panel UsbPhonePanel.exe
expect attach-ack within 5000
status present skype keymode=1 call=idle
expect answer 1
roundtrip-bare 200
roundtrip 200
roundtrip-bare 200
SCRIPT
bare=$(grep -o 'roundtrip-bare n=200 failed=0 median_us=[0-9.]*' "$TEST_DIR/sim.out" |
  cut -d= -f4 | sort -n | head -n 1)
panel=$(grep -o 'roundtrip n=200 failed=0 median_us=[0-9.]*' "$TEST_DIR/sim.out" | cut -d= -f4)
[ -n "$bare" ] && [ -n "$panel" ] || { echo "expected both round-trip medians"; exit 1; }
# Allowed: five times the bare window's median plus 1 ms for the panel's own
# bookkeeping before it answers.
limit=$(awk -v b="$bare" 'BEGIN { printf "%.0f", 5 * b + 1000 }')
echo "median round trip: panel $panel us, bare window $bare us, limit $limit us"
awk -v p="$panel" -v l="$limit" 'BEGIN { exit !(p <= l) }' ||
  { echo "expected the panel's median round trip within the limit"; exit 1; }
