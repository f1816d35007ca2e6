#!/usr/bin/env bash
# Handset keys through the driver's key messages: in a call the volume keys
# step the speaker's slider by 4096 while the window stays hidden, a held
# key repeats until the release, and with key mode off only the page key
# acts, showing the window.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin handset_keys
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
status present
expect control group "USB Phone" enabled=1 within 3000
move trackbar 1 in "USB Phone" 61440
expect control trackbar 1 in "USB Phone" pos=61440
state present call=incall
# A press and its release: one step down, then one up.
key 31
key 0
expect control trackbar 1 in "USB Phone" pos=57344
key 17
key 0
expect control trackbar 1 in "USB Phone" pos=61440
# Held for a second: the press and at least two repeats 300 ms apart.
key 31
wait 1000
key 0
expect control trackbar 1 in "USB Phone" pos=40960..49152
wait 700
expect control trackbar 1 in "USB Phone" pos=40960..49152
expect panel-hidden
# Key mode off, no call: the volume keys do nothing, the page key shows
# the window.
state present
key 31
key 0
wait 400
expect control trackbar 1 in "USB Phone" pos=40960..49152
expect no panel-visible within 300
key 36
key 0
expect panel-visible within 3000
SCRIPT
