#!/usr/bin/env bash
# Makes docs/screenshots/indicator.png on a Wine virtual desktop with its
# taskbar: the simulator reports the handset present with its keys blocked,
# and the keyboard-blocked indicator stands in the work area's bottom right
# corner, its black transparent. Wine's taskbar leaves the work area the
# whole desktop, so the indicator stands over the taskbar's right end.
# Usage: scripts/screenshot-indicator.sh [OUTPUT-FOLDER]
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$repo/docs/screenshots}
export WINE_TEST_ROOT="$repo/build/screenshot-indicator"
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
cat >"$work/shot.script" <<SCRIPT
start panel UsbPhonePanel.exe
expect attach-ack within 10000
status present blocked
expect indicator shown within 3000
wait 1500
print take-the-indicator
wait 3000
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
shoot take-the-indicator "$out/indicator.png"
for _ in $(seq 1 200); do
  grep -qE ' script (passed|failed)' "$log" && break
  sleep 0.1
done
tr -d '\r' <"$log" | grep -q ' script passed$' || {
  sed 's/^/  /' "$log"
  die "the simulator's script failed"
}
echo "Screenshot: $out/indicator.png"
