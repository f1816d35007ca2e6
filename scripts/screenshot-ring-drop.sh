#!/usr/bin/env bash
# Makes docs/screenshots/ring-page-drop.png: the panel's ring-tone page
# while 3,000 dropped tones are being copied into its ring folder, the
# progress bar part-way, on a Wine virtual desktop.
#
# The simulator plays the driver and the shell: it starts the panel, calls
# the window up, selects the ring-tone tab, drops the files on the tone list
# (see `drop-files` in tests/wine/README.md), asks for the picture a moment
# later and then waits for the bar to reach its maximum.
# Usage: scripts/screenshot-ring-drop.sh [OUTPUT.png]
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$repo/docs/screenshots/ring-page-drop.png}
# shellcheck source=screenshot-lib.sh
source "$repo/scripts/screenshot-lib.sh"

shot_begin drop
# shellcheck source=../tests/wine/scripts/ring-audio.sh
source "$repo/tests/wine/scripts/ring-audio.sh"
mkdir -p "$work/ring" "$work/incoming"
for tone in "Bell.wav" "classic ring.wav" "trill.wav"; do
  ring_audio_tone "$work/ring/$tone" 1
done
ring_audio_tone "$work/incoming/tone.wav" 0
for i in $(seq -w 1 3000); do cp "$work/incoming/tone.wav" "$work/incoming/imported $i.wav"; done
rm "$work/incoming/tone.wav"
# The script language reads a backslash as an escape: double them.
folder=$(winepath -w "$work" 2>/dev/null | tr -d '\r')
folder=${folder//\\/\\\\}
cat >"$work/shot.script" <<SCRIPT
start panel UsbPhonePanel.exe
expect attach-ack within 10000
status present
send-request show 51772 0x5A1C7E93
expect panel-visible within 3000
select-tab 2
expect accepts-drops 2 within 3000
wait 1000
drop-files 2 "$folder\\\\incoming\\\\*.wav"
wait 1500
print take-the-screenshot
expect no progress pos=3000 max=3000
expect progress pos=3000 max=3000 within 60000
wait 1000
SCRIPT
shot_run shot.script shot.log
shot_take take-the-screenshot "$out"
shot_end
