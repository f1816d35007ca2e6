#!/usr/bin/env bash
# Makes docs/screenshots/audio-page-handset-present.png: the panel's window
# on its audio page ("Setup") with the handset present, on a Wine virtual
# desktop (window frames and a taskbar drawn as Windows draws them).
#
# The simulator plays the driver: it starts the panel, reports the handset
# present, calls the window up and selects the tab, checks that the "USB
# Phone" group is enabled and shown, and then holds still while the picture
# is taken. Usage: scripts/screenshot-audio-page.sh [OUTPUT.png]
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$repo/docs/screenshots/audio-page-handset-present.png}
# shellcheck source=screenshot-lib.sh
source "$repo/scripts/screenshot-lib.sh"

shot_begin audio-page
# Tab 3 is "Setup", the audio page. The request to show the window carries
# the signature a second start uses.
shot_single "$out" <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 10000
status present
expect control group "USB Phone" enabled=1 within 3000
expect control trackbar 1 in "USB Phone" pos=1..65535
send-request show 51772 0x5A1C7E93
expect panel-visible within 3000
select-tab 3
expect control group "USB Phone" visible=1 within 3000
expect control trackbar 1 in "USB Phone" visible=1 enabled=1
SCRIPT
