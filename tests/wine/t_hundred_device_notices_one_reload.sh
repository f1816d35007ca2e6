#!/usr/bin/env bash
# A hundred device notices within one second give exactly one reload (one
# query of Skype's devices), one second after the last.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin hundred_device_notices_one_reload
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
status present skype
expect command "GET AUDIO_OUT" within 3000
expect command "GET AUDIO_IN" within 3000
wait 500
clear
device-changes 100 1000
expect no command "GET AUDIO_OUT" within 700
expect command "GET AUDIO_OUT" within 1500
expect command "GET AUDIO_IN" within 500
expect no command "GET AUDIO_OUT" within 2500
expect panel
SCRIPT
