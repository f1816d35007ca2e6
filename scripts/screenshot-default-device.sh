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
export WINE_TEST_ROOT="$repo/build/screenshot-default-device"
export WINE_TEST_BIN="${WINE_TEST_BIN:-$repo/build/win64/bin}"
# shellcheck source=../tests/wine/scripts/wine-env.sh
source "$repo/tests/wine/scripts/wine-env.sh"

desktop_size=800x600
die() {
  echo "screenshot: $*" >&2
  exit 1
}

for exe in "$PANEL_EXE" "$SIM_EXE" SoundPanelStandIn.cpl; do
  [ -f "$WINE_TEST_BIN/$exe" ] || die "missing $WINE_TEST_BIN/$exe (make win64 first)"
done
wine_env_start || die "no X display or Wine prefix"
wine reg add 'HKCU\Software\Wine\Explorer' /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1 ||
  die "could not turn the virtual desktop's shell on"
wine reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d winxp /f >/dev/null 2>&1 ||
  die "could not set the prefix to Windows XP"
cp "$WINE_TEST_BIN/SoundPanelStandIn.cpl" "$WINEPREFIX/drive_c/windows/system32/mmsys.cpl" ||
  die "could not install the stand-in control panel"
export STANDIN_PLAYBACK=1

work="$WINE_TEST_ROOT/work"
rm -rf "$work" && mkdir -p "$work"
cp "$WINE_TEST_BIN/$PANEL_EXE" "$WINE_TEST_BIN/$SIM_EXE" "$work/"
# Tab 3 is "Setup", the audio page. The request to show the window carries
# the signature a second start uses.
cat >"$work/shot.script" <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 10000
status present
expect control group "USB Phone" enabled=1 within 3000
send-request show 51772 0x5A1C7E93
expect panel-visible within 3000
select-tab 3
expect button "Out: USB Audio Device" enabled=1 within 5000
wait 1500
print take-the-screenshot
wait 5000
SCRIPT

log="$work/shot.log"
(cd "$work" && wine explorer "/desktop=UsbPhone,$desktop_size" "$SIM_EXE" --script shot.script \
  --log shot.log >/dev/null 2>&1) &
runner=$!
for _ in $(seq 1 300); do
  grep -q 'take-the-screenshot' "$log" 2>/dev/null && break
  kill -0 "$runner" 2>/dev/null || break
  sleep 0.1
done
grep -q 'take-the-screenshot' "$log" 2>/dev/null || {
  sed 's/^/  /' "$log" 2>/dev/null
  die "the simulator's script did not reach the screenshot"
}
mkdir -p "$(dirname "$out")"
# The virtual desktop is one X window at the top left of the display.
import -window root -display "$DISPLAY" -crop "$desktop_size+0+0" +repage "$out" ||
  die "import failed"
# The desktop's explorer may outlive the script: wait for its verdict only.
for _ in $(seq 1 200); do
  grep -qE ' script (passed|failed)' "$log" && break
  sleep 0.1
done
tr -d '\r' <"$log" | grep -q ' script passed$' || {
  sed 's/^/  /' "$log"
  die "the simulator's script failed"
}
