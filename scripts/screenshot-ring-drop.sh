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
ring_audio_tones "$work/ring" 1 "Bell.wav" "classic ring.wav" "trill.wav"
ring_audio_many_tones "$work/incoming" 3000 "imported "
folder=$(wine_test_script_path "$work")
shot_pictures take-the-screenshot "$out" <<SCRIPT
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
