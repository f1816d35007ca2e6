#!/usr/bin/env bash
# Makes docs/screenshots/language-{english,japanese,korean,russian}.png: the
# panel's window on its audio page ("Setup") in each of those languages,
# chosen through the stored "LanguageID" on an English system, on a Wine
# virtual desktop (window frames and a taskbar drawn as Windows draws them).
#
# Wine draws East Asian text only with a Linux font that has the glyphs
# (fonts-wqy-microhei); the system's faces are linked
# to it, so the title bar shows them too. Usage:
# scripts/screenshot-languages.sh [OUTPUT-FOLDER]
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
out_dir=${1:-$repo/docs/screenshots}
# shellcheck source=screenshot-lib.sh
source "$repo/scripts/screenshot-lib.sh"

shot_begin languages
shot_link_cjk_font

shoot() {
  local name=$1 index=$2
  wine reg add 'HKCU\SoftWare\KESTAV\USB_PHONE_R62' /v LanguageID /t REG_DWORD /d "$index" /f \
    >/dev/null 2>&1 || die "could not store LanguageID $index"
  # Tab 3 is the audio page, the one with the most texts (its group boxes
  # are named in the language shown, so the speaker slider tells that it is
  # up). The request to show the window carries the signature a second
  # start uses.
  shot_single "$out_dir/language-$name.png" 4000 <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 10000
send-request show 51772 0x5A1C7E93
expect panel-visible within 3000
# The window is still coming up: its tab control answers once it has.
wait 1000
select-tab 3
expect control trackbar 1 visible=1 within 3000
SCRIPT
  # The panel ends with the script; let it go before the next language.
  sleep 1
}

shoot english 0
shoot japanese 3
shoot korean 4
shoot russian 20
echo "screenshots in $out_dir"
