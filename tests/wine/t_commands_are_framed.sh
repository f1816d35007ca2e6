#!/usr/bin/env bash
# Once linked and told that Skype is ready, the panel asks for Skype's
# devices with well-formed command frames ("!" + text + zero byte, cbData
# n + 2), and answers the simulator's device replies with 1.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin commands_are_framed
sim_run sim <<'SCRIPT'
skype-out "Speakers"
skype-in "Microphone"
start panel UsbPhonePanel.exe
expect attach-ack within 5000
status present skype keymode=0 call=idle
expect command "GET AUDIO_OUT" within 2000
expect command "GET AUDIO_IN" within 2000
expect no bad-frame within 500
SCRIPT
grep -q 'sent reply "AUDIO_OUT Speakers" to .* -> answer 1' "$TEST_DIR/sim.out" ||
  { echo "expected the panel to answer the AUDIO_OUT reply with 1"; exit 1; }
grep -q 'cbData=15 data=\[21 47 45 54 20 41 55 44 49 4F 5F 4F 55 54 00\]' "$TEST_DIR/sim.out" ||
  { echo "expected the frame of GET AUDIO_OUT byte for byte"; exit 1; }
