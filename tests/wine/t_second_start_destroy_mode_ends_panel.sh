#!/usr/bin/env bash
# A second start with "JovDestroyMode" ends the running instance (exit code
# 0, its window withdrawn) and itself exits 0 without showing anything.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin second_start_destroy_mode_ends_panel
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
find-panel within 5000
start second UsbPhonePanel.exe JovDestroyMode
expect exit second code=0 within 5000
expect exit panel code=0 within 3000
expect panel-gone within 0
SCRIPT
