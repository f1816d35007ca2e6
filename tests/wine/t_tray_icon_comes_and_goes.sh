#!/usr/bin/env bash
# The panel's icon appears in Wine's notification area with its utility
# window, shows the grey image without a handset, and goes when the panel
# ends through "Exit" in its menu.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin tray_icon_comes_and_goes
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
find-panel within 5000
expect tray-window within 3000
expect tray-icon within 3000
list-windows
expect tray-colour grey within 2000
tray-click right
expect menu-open within 1000
wait 300
menu-key up return
expect exit panel code=0 within 10000
expect no tray-icon within 4000
SCRIPT
