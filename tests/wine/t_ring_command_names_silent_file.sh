#!/usr/bin/env bash
# With Skype ready the panel points Skype's ring tone at its silent file: the
# simulator receives "SET RINGTONE 1 " + the program folder's ring\mute.wav,
# once, and that file holds three seconds of 16-bit mono silence at 16000
# samples per second, byte for byte. The first start also wrote "ring.jov"
# with the default tone.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin ring_command_names_silent_file
folder=$(wine_test_win_path "$TEST_DIR")
[ -n "$folder" ] || { echo "winepath gave no Windows path for $TEST_DIR"; exit 1; }
sim_run sim <<SCRIPT
start panel UsbPhonePanel.exe
expect attach-ack within 5000
status present skype keymode=0 call=idle
expect command "SET RINGTONE 1 ${folder//\\/\\\\}\\\\ring\\\\mute.wav" within 3000
status present skype keymode=0 call=idle
expect no command-prefix "SET RINGTONE" within 1000
SCRIPT
expected="$TEST_DIR/expected-mute.wav"
{
  printf 'RIFF\x24\x77\x01\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00'
  printf '\x80\x3e\x00\x00\x00\x7d\x00\x00\x02\x00\x10\x00data\x00\x77\x01\x00'
  head -c 96000 /dev/zero
} >"$expected"
cmp "$expected" "$TEST_DIR/ring/mute.wav" ||
  { echo "ring\\mute.wav is not the silent file byte for byte"; exit 1; }
printf '%s\\ring\\ring_in.wav\r\n' "$folder" | cmp - "$TEST_DIR/ring.jov" ||
  { echo "ring.jov does not hold the default tone's path and CR LF"; exit 1; }
