#!/usr/bin/env bash
# A window shown by a double-click on the tray icon hides itself after 10 s
# without input; the program and its icon stay.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin tray_auto_hide
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
find-panel within 5000
expect tray-window within 3000
tray-click double
expect panel-visible within 3000
wait 8000
expect panel-visible
expect panel-hidden within 5000
expect tray-icon
expect no exit panel
SCRIPT
