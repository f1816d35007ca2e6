# Sourced by the ring-tone tests after wine_test_begin (and by the
# screenshot scripts for their tones): the ALSA devices become file captures
# for this test (the prefix's setting comes back when it ends), and a tone
# with samples that can be found in a capture.

# ring_audio_capture: both ALSA devices write what they play to
# $TEST_DIR/default.raw and $TEST_DIR/usb.raw (a playback start truncates).
ring_audio_capture() {
  cp "$HOME/.asoundrc" "$TEST_DIR/asoundrc.saved"
  trap 'status=$?; cp "$TEST_DIR/asoundrc.saved" "$HOME/.asoundrc"; (exit $status); _wine_test_exit' EXIT
  cat >"$HOME/.asoundrc" <<ASOUND
pcm.!default { type file slave.pcm "null" file "$TEST_DIR/default.raw" format "raw" }
pcm."$WINE_TEST_AUDIO_DEVICE" { type file slave.pcm "null" file "$TEST_DIR/usb.raw" format "raw" }
ASOUND
}

# ring_audio_tone FILE SECONDS: 16-bit stereo PCM at 44100 per second whose
# samples repeat the pattern 0x1234 0x5678 (left, right).
ring_audio_tone() {
  local frames=$((44100 * $2)) data
  data=$((frames * 4))
  {
    printf 'RIFF'; _ring_audio_u32 $((36 + data)); printf 'WAVEfmt '
    _ring_audio_u32 16; printf '\x01\x00\x02\x00'; _ring_audio_u32 44100; _ring_audio_u32 176400
    printf '\x04\x00\x10\x00data'; _ring_audio_u32 "$data"
    head -c "$data" /dev/zero | tr '\0' '\1' | sed 's/\x01\x01\x01\x01/\x34\x12\x78\x56/g'
  } >"$1"
}

# ring_audio_tones FOLDER SECONDS NAME...: such a tone of SECONDS under each
# NAME in FOLDER (made if missing).
ring_audio_tones() {
  local folder=$1 seconds=$2 name
  shift 2
  mkdir -p "$folder"
  for name in "$@"; do
    ring_audio_tone "$folder/$name" "$seconds"
  done
}

# ring_audio_many_tones FOLDER COUNT PREFIX: COUNT tones without samples in
# FOLDER, PREFIX + a number from 1 (as wide as COUNT, zero-padded) + ".wav".
ring_audio_many_tones() {
  local folder=$1 count=$2 prefix=$3 i
  mkdir -p "$folder"
  ring_audio_tone "$folder/.seed" 0
  for i in $(seq -w 1 "$count"); do
    cp "$folder/.seed" "$folder/$prefix$i.wav"
  done
  rm "$folder/.seed"
}

_ring_audio_u32() {
  printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))"
  printf "\\x$(printf %02x $((($1 >> 16) & 255)))\\x$(printf %02x $((($1 >> 24) & 255)))"
}

# ring_audio_captured_tone: a capture holds a run of the tone's samples.
ring_audio_captured_tone() {
  local raw
  for raw in "$TEST_DIR"/default.raw "$TEST_DIR"/usb.raw; do
    [ -s "$raw" ] || continue
    od -An -v -tx1 "$raw" | tr -d ' \n' | grep -q '3412785634127856341278563412785634127856' && return 0
  done
  return 1
}
