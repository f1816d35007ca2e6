#!/usr/bin/env bash
# The panel's start-up greeting reaches the driver's hidden top-level window:
# Attach with wParam = the panel's main window (the one published on its
# owner window) and lParam 0x8001.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin greeting_reaches_driver
sim_run sim <<'SCRIPT'
auto-discover off
start panel UsbPhonePanel.exe
expect greeting within 5000
find-panel within 3000
expect greeting-is-panel
expect no greeting within 500
SCRIPT
grep -q 'received greeting wparam=0x[0-9A-F]* lparam=0x8001 (sent)$' "$TEST_DIR/sim.out" ||
  { echo "expected a greeting line with lparam 0x8001"; exit 1; }
