#!/usr/bin/env bash
# Makes the tray screenshots on a Wine virtual desktop with its taskbar:
#   docs/screenshots/tray-icon-and-window.png  the window with its frame and
#       the green tray icon (handset present) in the notification area
#   docs/screenshots/tray-menu.png             the tray menu, opened by a
#       right click on the icon, its first item selected
# The simulator plays the driver and the user: it reports the handset
# present, double-clicks the icon, then right-clicks it with the cursor on
# the icon. Usage: scripts/screenshot-tray.sh [OUTPUT-FOLDER]
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$repo/docs/screenshots}
export WINE_TEST_ROOT="$repo/build/screenshot-tray"
export WINE_TEST_BIN="${WINE_TEST_BIN:-$repo/build/win64/bin}"
# shellcheck source=../tests/wine/scripts/wine-env.sh
source "$repo/tests/wine/scripts/wine-env.sh"

width=800 height=600
die() {
  echo "screenshot: $*" >&2
  exit 1
}

for exe in "$PANEL_EXE" "$SIM_EXE"; do
  [ -f "$WINE_TEST_BIN/$exe" ] || die "missing $WINE_TEST_BIN/$exe (make win64 first)"
done
wine_env_start || die "no X display or Wine prefix"
wine reg add 'HKCU\Software\Wine\Explorer' /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1 ||
  die "could not turn the virtual desktop's shell on"

work="$WINE_TEST_ROOT/work"
rm -rf "$work" && mkdir -p "$work"
cp "$WINE_TEST_BIN/$PANEL_EXE" "$WINE_TEST_BIN/$SIM_EXE" "$work/"
# The notification area is at the right end of the taskbar; its only icon
# is the panel's, about 12 pixels from the desktop's corner.
cat >"$work/shot.script" <<SCRIPT
start panel UsbPhonePanel.exe
expect attach-ack within 10000
status present
expect tray-window within 3000
wait 1000
tray-click double
expect panel-visible within 3000
wait 1500
print take-the-window
wait 3000
cursor $((width - 12)) $((height - 10))
tray-click right
expect menu-open within 2000
menu-key down
wait 1000
print take-the-menu
wait 3000
menu-key escape
SCRIPT

log="$work/shot.log"
(cd "$work" && wine explorer "/desktop=UsbPhone,${width}x$height" "$SIM_EXE" --script shot.script \
  --log shot.log >/dev/null 2>&1) &
runner=$!
shoot() {  # MARK FILE
  for _ in $(seq 1 300); do
    grep -q "$1" "$log" 2>/dev/null && break
    kill -0 "$runner" 2>/dev/null || break
    sleep 0.1
  done
  grep -q "$1" "$log" 2>/dev/null || {
    sed 's/^/  /' "$log" 2>/dev/null
    die "the simulator's script did not reach $1"
  }
  # The virtual desktop is one X window at the top left of the display.
  import -window root -display "$DISPLAY" -crop "${width}x$height+0+0" +repage "$2" ||
    die "import failed"
}
mkdir -p "$out"
shoot take-the-window "$out/tray-icon-and-window.png"
shoot take-the-menu "$out/tray-menu.png"
for _ in $(seq 1 200); do
  grep -qE ' script (passed|failed)' "$log" && break
  sleep 0.1
done
tr -d '\r' <"$log" | grep -q ' script passed$' || {
  sed 's/^/  /' "$log"
  die "the simulator's script failed"
}
echo "Screenshots: $out/tray-icon-and-window.png $out/tray-menu.png"
