#!/usr/bin/env bash
# The driver's window stops answering for 4 s while it reports Skype ready:
# the panel's commands to it (the Skype device queries and choices) each
# give up after 500 ms, a WM_NULL sent to the panel meanwhile is answered
# within that bound times the commands, and afterwards the panel, its tray
# icon and its window still work.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin driver_hang_keeps_panel_answering
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
status present
expect control group "USB Phone" enabled=1 within 3000
hang 4000 under 5000 present skype
expect control group "Skype Audio Device" enabled=1 within 3000
tray-click double
expect panel-visible within 3000
status present skype=0
expect control group "Skype Audio Device" enabled=0 within 3000
status present skype
expect command "GET AUDIO_OUT" within 3000
SCRIPT
