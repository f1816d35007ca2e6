#!/usr/bin/env bash
# The shell's clicks on the tray icon, posted to its utility window: a right
# click opens the menu at once, a left click about 500 ms later, a
# double-click shows the window and opens no menu.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin tray_clicks
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
find-panel within 5000
expect tray-window within 3000
tray-click right
expect menu-open within 1000
wait 300
menu-key escape
wait 300
expect no menu-open
tray-click left
expect no menu-open within 350
expect menu-open within 1500
wait 300
menu-key escape
wait 300
tray-click double
expect panel-visible within 3000
expect no menu-open within 1500
expect no exit panel
SCRIPT
