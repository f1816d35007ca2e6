#!/usr/bin/env bash
# After the link lapsed, the next WM_HANDSET restores it without a new
# Discover: the panel, asked to quit, sends the leaving Attach (wParam 0,
# lParam 0). Without the lapse the leaving Attach comes as well.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin handset_message_restores_link
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
wait 3800
status present skype
expect answer 1
send-request quit 51772 0x5A1C7E93
expect answer 1
expect leaving within 3000
expect exit panel code=0 within 3000
SCRIPT
