#!/usr/bin/env bash
# In search mode, once a Discover has arrived, later watchdog expiries never
# end the program. The Discover goes out once the panel has published its
# window, that is after its start-up has read the command line.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin search_mode_stays_after_discover
sim_run sim <<'SCRIPT'
auto-discover off
start panel UsbPhonePanel.exe JovSearchMode
expect greeting within 5000
find-panel within 2000
discover
expect attach-ack within 1000
expect no exit panel within 7000
send-request quit 51772 0x5A1C7E93
expect exit panel code=0 within 3000
SCRIPT
