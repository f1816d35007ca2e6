#!/usr/bin/env bash
# A tone previewed with Play is played through MCI: the ALSA device, a file
# capture here, receives its samples; Stop ends the playback well before the
# tone's end (10 s, which Wine plays in about 2.5 s). Playing the tone also
# makes it the chosen one ("ring.jov").
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin ring_preview_plays_through_mci
source "$(dirname "$0")/scripts/ring-audio.sh"
ring_audio_capture
ring_audio_tones "$TEST_DIR/ring" 10 tone.wav
folder=$(wine_test_win_path "$TEST_DIR")
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
expect list 2 "mute.wav|tone.wav" selected=0 within 3000
expect button "Play" enabled=1
expect button "Stop" enabled=0
select-list 2 1
expect list 2 "mute.wav|tone.wav" selected=1
click-button "Play"
expect button "Stop" enabled=1 within 2000
expect button "Play" enabled=0
wait 300
click-button "Stop"
expect button "Play" enabled=1 within 2000
expect button "Stop" enabled=0
# Long enough for the rest of the tone to be played had Stop not ended it.
wait 3000
SCRIPT
ring_audio_captured_tone ||
  { echo "the ALSA capture does not hold the tone's samples"; ls -l "$TEST_DIR"/*.raw; exit 1; }
captured=$(stat -c %s "$TEST_DIR"/default.raw "$TEST_DIR"/usb.raw 2>/dev/null | sort -n | tail -n 1)
[ "${captured:-0}" -lt $((44100 * 4 * 5)) ] ||
  { echo "Stop did not end the playback: $captured bytes captured of a 10 s tone"; exit 1; }
printf '%s\\ring\\tone.wav\r\n' "$folder" | cmp - "$TEST_DIR/ring.jov" ||
  { echo "playing the tone did not make it the chosen one"; exit 1; }
