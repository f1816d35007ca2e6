#!/usr/bin/env bash
# Makes the tray screenshots on a Wine virtual desktop with its taskbar:
#   docs/screenshots/tray-icon-and-window.png  the window with its frame and
#       the green tray icon (handset present) in the notification area
#   docs/screenshots/tray-menu.png             the tray menu, opened by a
#       right click on the icon, its first item selected
# The simulator plays the driver and the user: it reports the handset
# present, double-clicks the icon, then right-clicks it with the cursor on
# the icon. Usage: scripts/screenshot-tray.sh [OUTPUT-FOLDER]
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$repo/docs/screenshots}
# shellcheck source=screenshot-lib.sh
source "$repo/scripts/screenshot-lib.sh"

shot_begin tray
# The notification area is at the right end of the taskbar; its only icon
# is the panel's, about 12 pixels from the desktop's corner.
shot_pictures take-the-window "$out/tray-icon-and-window.png" \
  take-the-menu "$out/tray-menu.png" <<SCRIPT
start panel UsbPhonePanel.exe
expect attach-ack within 10000
status present
expect tray-window within 3000
wait 1000
tray-click double
expect panel-visible within 3000
wait 1500
print take-the-window
wait 3000
cursor $((shot_width - 12)) $((shot_height - 10))
tray-click right
expect menu-open within 2000
menu-key down
wait 1000
print take-the-menu
wait 3000
menu-key escape
SCRIPT
echo "Screenshots: $out/tray-icon-and-window.png $out/tray-menu.png"
