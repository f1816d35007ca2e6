#!/usr/bin/env bash
# Skype's device lists on the audio page: Skype ready asks for its devices
# and the replies select them; with the handset present Skype is pointed at
# the handset's mixer device by name, and the lists show it; a user's choice
# sends the SET command, then the GET. Combos are read from outside
# (CB_GETCURSEL); combo 1 is the output list, 2 the input list.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin skype_devices
sim_run sim <<'SCRIPT'
skype-out ""
skype-in "Out: USB Audio Device"
start panel UsbPhonePanel.exe
expect attach-ack within 5000
expect control group "Skype Audio Device" enabled=0 within 3000
status skype
expect command "GET AUDIO_OUT" within 2000
expect command "GET AUDIO_IN" within 2000
expect control group "Skype Audio Device" enabled=1 within 2000
# Skype's answers: its default device (item 0) for output, the device
# third in the list, "Out: USB Audio Device", for input.
expect control combo 1 in "Skype Audio Device" sel=0 enabled=1
expect control combo 2 in "Skype Audio Device" sel=2 enabled=1 within 1000
expect no command-prefix "SET AUDIO_" within 300
# The handset arrives: its device (the first whose name holds "USB") is
# set for Skype, each followed by its question, and Skype's answers show it.
status present skype
expect command "SET AUDIO_OUT Out: USB Audio Device" within 2000
expect command "GET AUDIO_OUT" within 2000
expect command "SET AUDIO_IN Out: USB Audio Device" within 2000
expect command "GET AUDIO_IN" within 2000
expect control combo 1 in "Skype Audio Device" sel=2 within 1000
expect control combo 2 in "Skype Audio Device" sel=2
# Only once: further statuses set nothing.
clear
status present skype
expect no command-prefix "SET AUDIO_" within 500
# A user's choice of item 0 sends the default device, nothing after the blank.
select combo 2 in "Skype Audio Device" 0
expect command "SET AUDIO_IN " within 2000
expect command "GET AUDIO_IN" within 2000
expect control combo 2 in "Skype Audio Device" sel=0
SCRIPT
grep -q 'sent reply "AUDIO_OUT Out: USB Audio Device" to .* -> answer 1' "$TEST_DIR/sim.out" ||
  { echo "expected the panel to answer Skype's reply naming the handset's device"; exit 1; }
