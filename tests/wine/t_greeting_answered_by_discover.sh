#!/usr/bin/env bash
# A driver that answers the greeting with Discover gets the acknowledgement;
# a driver started after the panel finds it by its published window and links
# up the same way.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin greeting_answered_by_discover
sim_run first <<'SCRIPT'
start panel UsbPhonePanel.exe
expect greeting within 5000
expect attach-ack within 2000
keep panel
SCRIPT
sim_run late <<'SCRIPT'
expect attach-ack within 2000
status present skype
expect answer 1
SCRIPT
grep -q 'found running panel' "$TEST_DIR/late.out" ||
  { echo "expected the late simulator to find the running panel"; exit 1; }
