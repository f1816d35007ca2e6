#!/usr/bin/env bash
# Runs the panel and the handset simulator under Wine, on a Wine virtual
# desktop with its taskbar (the shell's notification area holds the panel's
# tray icon; Wine draws the window frames as Windows does).
#
# With a usable display ($DISPLAY) both programs come up on it and the script
# waits until the panel ends ("Exit" in its tray menu, or a second start with
# JovDestroyMode). Without one they run on a virtual display for a few
# seconds: the panel's window is called up by a second start, a screenshot
# of the desktop goes to build/run/screenshot.png, and both programs are
# ended.
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
export WINE_TEST_ROOT="$repo/build/run"
export WINE_TEST_BIN="${WINE_TEST_BIN:-$repo/build/win64/bin}"
# shellcheck source=../tests/wine/scripts/wine-env.sh
source "$repo/tests/wine/scripts/wine-env.sh"
user_home=$HOME

headless=1
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then headless=0; fi

cleanup() {
  wineserver -k >/dev/null 2>&1
  [ -n "$_wine_env_xvfb_pid" ] && kill "$_wine_env_xvfb_pid" 2>/dev/null
}
trap cleanup EXIT

if [ "$headless" = 1 ]; then
  wine_env_start_x || exit 1
  echo "No display: running on the virtual display $DISPLAY."
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Preparing a Wine prefix in $WINEPREFIX (once)..."
  wine_env_make_prefix || { echo "could not prepare the Wine prefix" >&2; exit 1; }
fi

# The desktop's taskbar with its notification area.
wine reg add 'HKCU\Software\Wine\Explorer' /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1 ||
  echo "could not turn the virtual desktop's shell on: no taskbar" >&2
desktop_size=${RUN_DESKTOP_SIZE:-1024x768}
on_desktop() { wine explorer "/desktop=UsbPhonePanel,$desktop_size" "$@"; }
# Whether a panel of this prefix runs (the desktop's explorer outlives it).
panel_running() {
  local pid
  # Wine names the process after its program (15 characters); the explorer
  # that started it only carries the name in its arguments.
  for pid in $(pgrep -x 'UsbPhonePanel.e'); do
    tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" && return 0
  done
  return 1
}

program="$WINE_TEST_ROOT/program"
mkdir -p "$program"
cp "$WINE_TEST_BIN/$PANEL_EXE" "$WINE_TEST_BIN/$SIM_EXE" "$program/"
cd "$program" || exit 1

on_desktop "$PANEL_EXE" &
sleep 2
on_desktop "$SIM_EXE" &
sim_pid=$!

if [ "$headless" = 0 ]; then
  echo "The panel sits in the notification area of the desktop's taskbar; the handset"
  echo "simulator's window drives it. Double-click the tray icon to see its window,"
  echo "right-click it for its menu (\"Exit\" ends the panel)."
  # The desktop's explorer outlives the panel: wait for the panel itself.
  while panel_running; do sleep 1; done
  kill "$sim_pid" 2>/dev/null
  exit 0
fi

sleep 3
on_desktop "$PANEL_EXE"   # a second start: the running panel shows its window
sleep 2
shot="$repo/build/run/screenshot.png"
import -window root -display "$DISPLAY" -crop "$desktop_size+0+0" +repage "$shot" &&
  echo "Screenshot: $shot"
on_desktop "$PANEL_EXE" JovDestroyMode
for _ in $(seq 1 50); do panel_running || break; sleep 0.2; done
panel_running && echo "The panel did not end." || echo "Panel ended."
kill "$sim_pid" 2>/dev/null
HOME=$user_home
