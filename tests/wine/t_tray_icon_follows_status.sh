#!/usr/bin/env bash
# The tray icon's image follows the status: grey without the handset, green
# with it (bit 8), the white "e" while its keys drive the panel (key mode),
# grey again when the handset goes.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin tray_icon_follows_status
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
expect tray-colour grey within 3000
status present
expect tray-colour green within 2000
status present keymode=1
expect tray-colour white within 2000
status present=0
expect tray-colour grey within 2000
SCRIPT
