#!/usr/bin/env bash
# A second start without arguments shows the running instance's window and
# itself ends with exit code 0; the running instance goes on.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin second_start_shows_window
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
find-panel within 5000
expect no panel-visible within 500
start second UsbPhonePanel.exe
expect exit second code=0 within 5000
expect panel-visible within 2000
expect no exit panel within 500
SCRIPT
