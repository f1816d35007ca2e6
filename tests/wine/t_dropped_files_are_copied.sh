#!/usr/bin/env bash
# Files dropped on the tone list (a WM_DROPFILES whose drop handle the
# simulator's hook makes in the panel's process, as the shell's drop is):
# the list accepts drops only while the ring-tone tab is active; new files
# are copied into the tone folder, a file of an existing name and a folder
# are left alone, the list shows the new tones with the first selected and
# the progress bar ends at its maximum, the number of dropped items. Then a
# drop of 1,000 small files, timed, after which the panel still answers.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin dropped_files_are_copied UsbPhonePanel.exe HandsetSim.exe HandsetSimDrop.dll
source "$(dirname "$0")/scripts/ring-audio.sh"
ring_audio_tones "$TEST_DIR/ring" 1 tone.wav
ring_audio_tones "$TEST_DIR/incoming" 1 a.wav b.wav
printf 'not the tone' >"$TEST_DIR/incoming/tone.wav"
mkdir -p "$TEST_DIR/incoming/sub"
ring_audio_many_tones "$TEST_DIR/many" 1000 t
folder=$(wine_test_script_path "$TEST_DIR")

sim_run drop <<SCRIPT
start panel UsbPhonePanel.exe
expect attach-ack within 5000
expect list 2 "mute.wav|tone.wav" selected=0 within 3000
# The shortcut page is the first one shown: no drops yet.
expect no accepts-drops 2
send-request show 51772 0x5A1C7E93
expect panel-visible within 3000
select-tab 2
expect accepts-drops 2 within 2000
drop-files 2 "$folder\\\\incoming\\\\*"
expect list 2 "a.wav|b.wav|mute.wav|tone.wav" selected=0 within 5000
expect progress pos=4 max=4 within 2000
print the 1,000-file drop starts
drop-files 2 "$folder\\\\many\\\\*.wav"
expect progress pos=1000 max=1000 within 60000
# The panel answers at once afterwards.
roundtrip 20
select-tab 1
wait 500
expect no accepts-drops 2
SCRIPT

copied=$(find "$TEST_DIR/ring" -name '*.wav' | wc -l)
[ "$copied" -eq 1004 ] || { echo "FAIL: the tone folder holds $copied tones, not 1004"; exit 1; }
cmp -s "$TEST_DIR/incoming/a.wav" "$TEST_DIR/ring/a.wav" ||
  { echo "FAIL: a.wav was not copied whole"; exit 1; }
cmp -s "$TEST_DIR/incoming/tone.wav" "$TEST_DIR/ring/tone.wav" &&
  { echo "FAIL: the dropped tone.wav replaced the existing one"; exit 1; }
[ ! -e "$TEST_DIR/ring/sub" ] || { echo "FAIL: the dropped folder was copied"; exit 1; }
started=$(awk '/print the 1,000-file drop starts/ {print $1}' "$TEST_DIR/drop.out")
ended=$(awk '/ok line .*progress pos=1000/ {print $1}' "$TEST_DIR/drop.out")
awk -v a="$started" -v b="$ended" 'BEGIN { printf "1,000 dropped files copied in %d ms\n", (b - a) * 1000 }'
