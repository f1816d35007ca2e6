#!/usr/bin/env bash
# In search mode without Discover, status messages within every 3 s postpone
# the watchdog but do not end search mode: once they stop, the panel ends.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin search_mode_kept_alive_by_status
sim_run sim <<'SCRIPT'
auto-discover off
state present skype
start panel UsbPhonePanel.exe JovSearchMode
expect greeting within 5000
heartbeat 1000
expect no exit panel within 5000
heartbeat off
# The panel withdraws its window at once; taking its tray icon out of
# Wine's standalone tray holds the exit up about 2 s more.
expect panel-gone within 4500
expect exit panel code=0 within 4000
SCRIPT
