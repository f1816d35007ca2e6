#!/usr/bin/env bash
# "Setup" in the tray menu shows the window; closing the window hides it
# while the program and its icon stay; "Exit" ends the program.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin tray_setup_exit_and_close
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
find-panel within 5000
expect tray-window within 3000
tray-click right
expect menu-open within 1500
wait 300
menu-key down return
expect panel-visible within 3000
close-panel
expect panel-hidden within 4000
expect no exit panel within 1000
expect tray-icon
tray-click right
expect menu-open within 1500
wait 300
menu-key up return
expect exit panel code=0 within 10000
SCRIPT
