#!/usr/bin/env bash
# A device notice (WM_DEVICECHANGE) makes the panel ask for Skype's devices
# again one second later, once for a burst of notices.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin device_change_reloads_skype_devices
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
status skype
expect command "GET AUDIO_OUT" within 3000
expect command "GET AUDIO_IN" within 3000
wait 500
clear
device-change
wait 300
device-change
expect no command "GET AUDIO_OUT" within 800
expect command "GET AUDIO_OUT" within 1500
expect command "GET AUDIO_IN" within 500
expect no command "GET AUDIO_OUT" within 2000
SCRIPT
