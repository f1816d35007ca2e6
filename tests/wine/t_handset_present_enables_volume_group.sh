#!/usr/bin/env bash
# A status message with the handset present (bit 8) enables the "USB Phone"
# group on the audio page, and the speaker's slider and mute box show the
# handset's mixer device ("Out: USB Audio Device"); one without it changes
# nothing. Controls are read from outside, by the simulator.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin handset_present_enables_volume_group
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
# Before any status: disabled, the sliders at their minimum.
expect control group "USB Phone" enabled=0 within 3000
expect control trackbar 1 in "USB Phone" pos=0 enabled=0
expect control checkbox 1 in "USB Phone" checked=0 enabled=0
status skype
expect no control group "USB Phone" enabled=1 within 500
status present
expect control group "USB Phone" enabled=1 within 2000
# Wine's mixer starts a device at full volume (65535), not muted; anything
# but 0 is a value the panel read from the device.
expect control trackbar 1 in "USB Phone" pos=1..65535 enabled=1
expect control checkbox 1 in "USB Phone" checked=0 enabled=1
# The ring slider stays hidden; without a stored "RingTone" it shows 0.
expect control trackbar 3 in "USB Phone" pos=0 visible=0
SCRIPT
