#!/usr/bin/env bash
# Runs the panel and the handset simulator under Wine.
#
# With a usable display ($DISPLAY) both programs come up on it and the script
# waits until the panel ends ("Exit" in its tray menu, or a second start with
# JovDestroyMode). Without one they run on a virtual display for a few
# seconds: the panel's window is called up by a second start, a screenshot
# goes to build/run/screenshot.png, and both programs are ended.
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

program="$WINE_TEST_ROOT/program"
mkdir -p "$program"
cp "$WINE_TEST_BIN/$PANEL_EXE" "$WINE_TEST_BIN/$SIM_EXE" "$program/"
cd "$program" || exit 1

wine "$PANEL_EXE" &
panel_pid=$!
sleep 2
wine "$SIM_EXE" &
sim_pid=$!

if [ "$headless" = 0 ]; then
  echo "The panel sits in the notification area; the handset simulator's window drives it."
  echo "Double-click the tray icon or start the panel again to see its window."
  wait "$panel_pid"
  kill "$sim_pid" 2>/dev/null
  exit 0
fi

sleep 3
wine "$PANEL_EXE"   # a second start: the running panel shows its window
sleep 2
shot="$repo/build/run/screenshot.png"
import -window root -display "$DISPLAY" "$shot" && echo "Screenshot: $shot"
wine "$PANEL_EXE" JovDestroyMode
wait "$panel_pid"
echo "Panel ended with exit code $?."
kill "$sim_pid" 2>/dev/null
HOME=$user_home
