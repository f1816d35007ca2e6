#!/usr/bin/env bash
# Makes docs/screenshots/audio-page-default-device.png: the panel's window on
# its audio page ("Setup") with the default-device button filled, on a Wine
# virtual desktop (window frames and a taskbar drawn as Windows draws them).
#
# The prefix says Windows XP and holds the tests' stand-in Sound control
# panel as system32\mmsys.cpl, so the panel's worker reads the default
# device from it on a desktop of its own; the simulator plays the driver,
# calls the window up, selects the tab, checks the button and holds still
# while the picture is taken.
# Usage: scripts/screenshot-default-device.sh [OUTPUT.png]
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$repo/docs/screenshots/audio-page-default-device.png}
# shellcheck source=screenshot-lib.sh
source "$repo/scripts/screenshot-lib.sh"

shot_begin default-device
[ -f "$WINE_TEST_BIN/SoundPanelStandIn.cpl" ] ||
  die "missing $WINE_TEST_BIN/SoundPanelStandIn.cpl (make win64 first)"
wine reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d winxp /f >/dev/null 2>&1 ||
  die "could not set the prefix to Windows XP"
cp "$WINE_TEST_BIN/SoundPanelStandIn.cpl" "$WINEPREFIX/drive_c/windows/system32/mmsys.cpl" ||
  die "could not install the stand-in control panel"
export STANDIN_PLAYBACK=1

# Tab 3 is "Setup", the audio page. The request to show the window carries
# the signature a second start uses.
shot_single "$out" <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 10000
status present
expect control group "USB Phone" enabled=1 within 3000
send-request show 51772 0x5A1C7E93
expect panel-visible within 3000
select-tab 3
expect button "Out: USB Audio Device" enabled=1 within 5000
SCRIPT
