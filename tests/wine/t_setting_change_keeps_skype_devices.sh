#!/usr/bin/env bash
# A settings broadcast from another process refills the Skype lists; their
# questions to the driver get through although they are asked while the
# panel handles that send, so the lists show Skype's devices again (not
# the default device). Combo 1 is the output list, 2 the input list.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin setting_change_keeps_skype_devices
sim_run sim <<'SCRIPT'
skype-out "Out: USB Audio Device"
skype-in "Out: USB Audio Device"
start panel UsbPhonePanel.exe
expect attach-ack within 5000
status skype
expect control combo 1 in "Skype Audio Device" sel=2 enabled=1 within 3000
expect control combo 2 in "Skype Audio Device" sel=2 within 1000
clear
setting-change
expect command "GET AUDIO_OUT" within 2000
expect command "GET AUDIO_IN" within 2000
expect control combo 1 in "Skype Audio Device" sel=2 within 1000
expect control combo 2 in "Skype Audio Device" sel=2 within 1000
SCRIPT
