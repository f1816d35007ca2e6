#!/usr/bin/env bash
# Every WM_HANDSET is answered 1: status messages, key messages, a release,
# a key message without the handset-present bit, and one before any Discover.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin handset_messages_answered
sim_run sim <<'SCRIPT'
auto-discover off
start panel UsbPhonePanel.exe
expect greeting within 5000
status present skype keymode=1 call=idle
expect answer 1
discover
expect attach-ack within 1000
status present skype blocked call=ringing
expect answer 1
key 31
expect answer 1
key 0
expect answer 1
send-handset-raw 0x0 0x24
expect answer 1
send-handset-raw 0x301 0x060100FF
expect answer 1
expect no exit panel within 300
SCRIPT
