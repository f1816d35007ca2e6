#!/usr/bin/env bash
# Makes docs/screenshots/shortcut-page-editing.png: the panel's window on
# its shortcut page while the user edits shortcut 4 (typed, not saved yet),
# on a Wine virtual desktop (window frames and a taskbar drawn as Windows
# draws them).
#
# The simulator starts the panel with two saved shortcuts, calls the window
# up, selects shortcut 4, types a new name and address into the edits and
# checks that Save is enabled, then holds still while the picture is taken.
# Usage: scripts/screenshot-shortcut-page.sh [OUTPUT.png]
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$repo/docs/screenshots/shortcut-page-editing.png}
# shellcheck source=screenshot-lib.sh
source "$repo/scripts/screenshot-lib.sh"

shot_begin shortcut-page
printf 'Mail\r\nhttp://mail.example.org/\r\nNews\r\nhttp://news.example.org/\r\nN/A\r\n\r\nN/A\r\n\r\n' \
  >"$work/urlList.jov"
# The request to show the window carries the signature a second start uses.
shot_single "$out" <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 10000
expect link 2 "Mail" enabled=1 within 3000
send-request show 51772 0x5A1C7E93
expect panel-visible within 3000
click-radio 4
set-edit 1 "Weather"
set-edit 2 "weather.example.org/today"
expect button "Save" enabled=1
SCRIPT
