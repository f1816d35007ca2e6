#!/usr/bin/env bash
# Makes the user guide's pictures from the installed program: the win64
# installer of make dist (dist/) installs it silently into a prefix of its
# own, then the installed handset simulator plays the driver on a Wine
# virtual desktop while the pictures are taken:
#   docs/screenshots/guide-tray-and-window.png  the window called up from the tray
#   docs/screenshots/guide-tray-menu.png        the tray icon's menu
#   docs/screenshots/guide-ring-tones.png       the ring-tone page
#   docs/screenshots/guide-audio.png            the audio page, handset present
# Usage: scripts/screenshot-guide.sh [OUTPUT-FOLDER]
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$repo/docs/screenshots}
# shellcheck source=screenshot-lib.sh
source "$repo/scripts/screenshot-lib.sh"

# Wine names the Windows user after $USER: a neutral name in the pictures.
export USER=user
version=$(head -n 1 "$repo/VERSION")
setup="$repo/dist/UsbPhonePanel-$version-win64-setup.exe"
[ -f "$setup" ] || die "missing $setup (make dist first)"
shot_begin guide
wine "$setup" /S /SIMULATOR || die "the installer failed"
install_win="C:\\users\\$USER\\AppData\\Local\\Programs\\USB Phone Control Panel"
install=$(winepath -u "$install_win" 2>/dev/null)
[ -f "$install/tools/HandsetSim.exe" ] || die "nothing installed in $install"
# The pictures come from the installed programs, not the build's.
cp "$install/tools/HandsetSim.exe" "$install/tools/HandsetSimDrop.dll" "$work/"
panel=${install_win//\\/\\\\}\\\\UsbPhonePanel.exe
shot_pictures take-the-window "$out/guide-tray-and-window.png" \
  take-the-menu "$out/guide-tray-menu.png" \
  take-the-ring-page "$out/guide-ring-tones.png" \
  take-the-audio-page "$out/guide-audio.png" <<SCRIPT
start panel "$panel"
expect attach-ack within 10000
status present skype
heartbeat 1000
expect control group "USB Phone" enabled=1 within 3000
cursor 640 560
tray-click double
expect panel-visible within 3000
wait 1500
print take-the-window
wait 2500
tray-click right
expect menu-open within 2000
menu-key down
wait 800
print take-the-menu
wait 2500
menu-key escape
send-request show 51772 0x5A1C7E93
select-tab 2
expect list 2 "mute.wav|ring_in.wav" selected=0 within 3000
wait 1500
print take-the-ring-page
wait 2500
select-tab 3
expect control group "USB Phone" visible=1 within 3000
wait 1500
print take-the-audio-page
wait 2500
SCRIPT
echo "Screenshots: $out/guide-*.png"
