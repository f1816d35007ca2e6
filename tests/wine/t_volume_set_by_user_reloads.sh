#!/usr/bin/env bash
# The user's slider move and mute click reach the handset's mixer line: a
# status without the handset (group disabled, controls reset) and one with
# it again, which reloads the controls from the mixer in the panel's own
# process, show the values the user set.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin volume_set_by_user_reloads
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
status present
expect control group "USB Phone" enabled=1 within 3000
expect control checkbox 1 in "USB Phone" checked=0
move trackbar 1 in "USB Phone" 23456
click checkbox 1 in "USB Phone"
expect control trackbar 1 in "USB Phone" pos=23456
expect control checkbox 1 in "USB Phone" checked=1
status present=0
expect control group "USB Phone" enabled=0 within 2000
expect control trackbar 1 in "USB Phone" pos=0 enabled=0
expect control checkbox 1 in "USB Phone" checked=0 enabled=0
status present
expect control group "USB Phone" enabled=1 within 2000
expect control trackbar 1 in "USB Phone" pos=23456 enabled=1
expect control checkbox 1 in "USB Phone" checked=1 enabled=1
SCRIPT
