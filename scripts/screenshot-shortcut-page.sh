#!/usr/bin/env bash
# Makes docs/screenshots/shortcut-page-editing.png: the panel's window on
# its shortcut page while the user edits shortcut 2 (typed, not saved yet),
# on a Wine virtual desktop (window frames and a taskbar drawn as Windows
# draws them).
#
# The simulator starts the panel with two saved shortcuts, calls the window
# up, selects shortcut 2, types a new name and address into the edits and
# checks that Save is enabled, then holds still while the picture is taken.
# Usage: scripts/screenshot-shortcut-page.sh [OUTPUT.png]
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$repo/docs/screenshots/shortcut-page-editing.png}
export WINE_TEST_ROOT="$repo/build/screenshot"
export WINE_TEST_BIN="${WINE_TEST_BIN:-$repo/build/win64/bin}"
# shellcheck source=../tests/wine/scripts/wine-env.sh
source "$repo/tests/wine/scripts/wine-env.sh"

desktop_size=800x600
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
printf 'Mail\r\nhttp://mail.example.org/\r\nNews\r\nhttp://news.example.org/\r\nN/A\r\n\r\nN/A\r\n\r\n' \
  >"$work/urlList.jov"
# The request to show the window carries the signature a second start uses.
cat >"$work/shot.script" <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 10000
expect link 2 "Mail" enabled=1 within 3000
send-request show 51772 0x5A1C7E93
expect panel-visible within 3000
click-radio 4
set-edit 1 "Weather"
set-edit 2 "weather.example.org/today"
expect button "Save" enabled=1
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
