#!/usr/bin/env bash
# WM_HANDSET offered at 10,000 a second for 10 s (statuses, and keys that
# open nothing: key mode off, no call): every one is answered, a WM_NULL
# sent meanwhile is answered, and the panel's handles and working set do not
# grow. The rate and the longest wait are reported, not bounded tightly.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin flood_of_handset_messages
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
status present skype
expect control group "Skype Audio Device" enabled=1 within 3000
wait 1000
flood 10000 10 under 2000
expect control group "USB Phone" enabled=1
expect panel
SCRIPT
usage() { sed -n "s/.*flood $1: handles=\([0-9]*\) working_set_kb=\([0-9]*\).*/\1 \2/p" "$TEST_DIR/sim.out"; }
read -r handles_before ws_before <<<"$(usage before)"
read -r handles_after ws_after <<<"$(usage after)"
[ -n "$handles_before" ] && [ -n "$handles_after" ] && [ "$handles_before" -gt 0 ] ||
  { echo "FAIL: the panel's handles and working set were not read"; exit 1; }
[ "$handles_after" -le $((handles_before + 4)) ] ||
  { echo "FAIL: the panel's handles grew from $handles_before to $handles_after"; exit 1; }
[ "$ws_after" -le $((ws_before + 2048)) ] ||
  { echo "FAIL: the panel's working set grew from $ws_before KB to $ws_after KB"; exit 1; }
grep -h 'flood offered' "$TEST_DIR/sim.out"
