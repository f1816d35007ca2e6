#!/usr/bin/env bash
# The quit switch counts only as the single, exactly written argument: a
# second start with it in other letter case, or with a second argument, asks
# for the window to be shown, exits 0 and leaves the running instance up.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin second_start_other_switches_show
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
find-panel within 5000
start lower UsbPhonePanel.exe jovdestroymode
expect exit lower code=0 within 5000
expect panel-visible within 2000
start two UsbPhonePanel.exe JovDestroyMode extra
expect exit two code=0 within 5000
expect no exit panel within 500
SCRIPT
