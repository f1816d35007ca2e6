#!/usr/bin/env bash
# Started with "JovSearchMode" and no Discover, the panel ends (exit code 0)
# at the first watchdog expiry, 3 s after its start; it sends no leaving
# Attach since it never linked.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin search_mode_ends_without_discover
sim_run sim <<'SCRIPT'
auto-discover off
start panel UsbPhonePanel.exe JovSearchMode
expect greeting within 5000
expect no exit panel within 1500
# The panel withdraws its window at once; taking its tray icon out of
# Wine's standalone tray holds the exit up about 2 s more.
expect panel-gone within 3000
expect exit panel code=0 within 4000
expect no leaving within 0
SCRIPT
