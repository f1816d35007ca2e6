#!/usr/bin/env bash
# Every one of 1,000 WM_HANDSET status messages is answered, and the median
# round trip is measured next to that of a bare window that only answers,
# the same way in the same run (reported, not judged: timings belong to
# benchmarks).
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin handset_roundtrip
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
status present skype keymode=1 call=idle
expect answer 1
roundtrip-bare 1000
roundtrip 1000
SCRIPT
bare=$(grep -o 'roundtrip-bare n=1000 failed=0 median_us=[0-9.]*' "$TEST_DIR/sim.out" | cut -d= -f4)
panel=$(grep -o 'roundtrip n=1000 failed=0 median_us=[0-9.]*' "$TEST_DIR/sim.out" | cut -d= -f4)
[ -n "$bare" ] && [ -n "$panel" ] ||
  { echo "expected 1,000 answered messages and a median for both the panel and the bare window"; exit 1; }
echo "median WM_HANDSET round trip over 1,000 messages: panel $panel us, bare window $bare us"
