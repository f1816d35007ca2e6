#!/usr/bin/env bash
# After 3 s without Discover or WM_HANDSET the link lapses: the panel, asked
# to quit, sends no leaving Attach.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin link_lapses_after_silence
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
status present skype
expect answer 1
wait 3800
send-request quit 51772 0x5A1C7E93
expect answer 1
expect exit panel code=0 within 3000
expect no leaving within 1000
SCRIPT
