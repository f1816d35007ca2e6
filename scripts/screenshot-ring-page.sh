#!/usr/bin/env bash
# Makes docs/screenshots/ring-page-tones.png: the panel's window on its
# ring-tone page with a few tones in its ring folder and one of them chosen,
# on a Wine virtual desktop (window frames and a taskbar drawn as Windows
# draws them).
#
# The simulator plays the driver: it starts the panel, reports the handset
# present, calls the window up and selects the tab, checks that the tone
# list shows the folder's tones with the first one selected, and then holds
# still while the picture is taken.
# Usage: scripts/screenshot-ring-page.sh [OUTPUT.png]
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$repo/docs/screenshots/ring-page-tones.png}
# shellcheck source=screenshot-lib.sh
source "$repo/scripts/screenshot-lib.sh"

shot_begin ring
# A few one-second tones and the chosen one.
ring_audio_tones "$work/ring" 1 "Bell.wav" "classic ring.wav" "ring_in.wav" "soft chime.wav" "trill.wav"
printf '%s\\ring\\classic ring.wav\r\n' "$(wine_test_win_path "$work")" >"$work/ring.jov"
# Tab 2 is the ring-tone page. The request to show the window carries the
# signature a second start uses.
shot_single "$out" <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 10000
status present
send-request show 51772 0x5A1C7E93
expect panel-visible within 3000
select-tab 2
expect list 2 "Bell.wav|classic ring.wav|mute.wav|ring_in.wav|soft chime.wav|trill.wav" selected=0 within 3000
expect button "Play" enabled=1
SCRIPT
