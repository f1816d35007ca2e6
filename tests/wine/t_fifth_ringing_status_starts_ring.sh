#!/usr/bin/env bash
# While the handset rings, four ringing status messages start nothing; the
# fifth starts the panel's own ring: the chosen tone plays through MCI (the
# ALSA capture receives its samples) and the player's Stop button is
# enabled, though clicking it does nothing. The next status without ringing
# stops it.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin fifth_ringing_status_starts_ring
source "$(dirname "$0")/scripts/ring-audio.sh"
ring_audio_capture
ring_audio_tones "$TEST_DIR/ring" 10 tone.wav
folder=$(wine_test_win_path "$TEST_DIR")
printf '%s\\ring\\tone.wav\r\n' "$folder" >"$TEST_DIR/ring.jov"
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
status present skype keymode=0 call=ringing
status
status
status
expect button "Play" enabled=1 within 1000
expect no button "Stop" enabled=1 within 500
status
expect button "Stop" enabled=1 within 2000
expect button "Play" enabled=0
click-button "Stop"
expect no button "Stop" enabled=0 within 500
status
status present skype keymode=0 call=idle
expect button "Play" enabled=1 within 2000
expect button "Stop" enabled=0
SCRIPT
ring_audio_captured_tone ||
  { echo "the ALSA capture does not hold the tone's samples"; ls -l "$TEST_DIR"/*.raw; exit 1; }
