#!/usr/bin/env bash
# The panel's start-up against two yardsticks (tools/startbase), under Wine
# on a virtual display: StartBare.exe (a window and a tray icon) and
# StartLibs.exe (the same after importing the DLLs the panel imported beyond
# kernel32, user32 and gdi32, and asking the mixer for its devices).
# StartMeter.exe starts them one at a time, alternating panel / bare /
# libraries, each start after the previous program has ended while the
# wineserver keeps running, and notes the time from CreateProcess to the
# published main window (what the driver looks for) and to the program's
# icon in Wine's tray (the meter keeps an icon of its own there, so the tray
# is up throughout). One unmeasured round first.
#
# Prints, per program, the medians and the fastest start (other load on the
# machine, or on its host, stretches single starts, the fastest least), then
# the ratios of the medians: panel/bare and panel/libraries.
#
# Environment: MEASURE_ROUNDS (default 12), MEASURE_BIN (the programs,
# default build/win64/bin), MEASURE_ROOT (work area with its own prefix,
# default build/measure), MEASURE_COMPARE (another UsbPhonePanel.exe, e.g.
# the build before a change: measured in the same rounds as "compare").
# Exits non-zero unless every start of every program was measured.
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
rounds=${MEASURE_ROUNDS:-12}
compare=${MEASURE_COMPARE:-}
export WINE_TEST_BIN=${MEASURE_BIN:-$repo/build/win64/bin}
export WINE_TEST_ROOT=${MEASURE_ROOT:-$repo/build/measure}
# The display, the prefix and its audio devices as the Wine tests have them.
# shellcheck source=../tests/wine/scripts/wine-env.sh
source "$repo/tests/wine/scripts/wine-env.sh"

programs=(UsbPhonePanel.exe StartBare.exe StartLibs.exe StartMeter.exe)
for exe in "${programs[@]}"; do
  [ -f "$WINE_TEST_BIN/$exe" ] || { echo "FAIL: missing $WINE_TEST_BIN/$exe (make win64)"; exit 1; }
done
[ -z "$compare" ] || [ -f "$compare" ] || { echo "FAIL: MEASURE_COMPARE: no such file $compare"; exit 1; }

wine_env_start || { echo "FAIL: no Wine environment (X display, prefix)"; exit 1; }
folder="$WINE_TEST_ROOT/startup"
rm -rf "$folder" && mkdir -p "$folder"
for exe in "${programs[@]}"; do cp "$WINE_TEST_BIN/$exe" "$folder/"; done

# NAME|COMMAND LINE|OWNER CLASS|OWNER TITLE|PROPERTY|END (StartMeter.cpp).
# The panel ends on its own quit request (WM_USER + 111 with its signature,
# what a second start with JovDestroyMode sends); WM_CLOSE only hides it.
panel_end='TApplication|USB Phone keyboard UI|USB Phone keyboard UI Form|1135:51772:0x5A1C7E93'
base_end='StartBaselineOwner|Start baseline|Start baseline Form|close'
names=(panel bare libraries)
targets=(--target "panel|UsbPhonePanel.exe|$panel_end"
         --target "bare|StartBare.exe|$base_end"
         --target "libraries|StartLibs.exe|$base_end")
if [ -n "$compare" ]; then
  # A folder of its own: the panel keeps its data files beside itself.
  mkdir -p "$folder/compare" && cp "$compare" "$folder/compare/UsbPhonePanel.exe"
  names+=(compare)
  targets+=(--target "compare|compare\\UsbPhonePanel.exe|$panel_end")
fi

out="$folder/meter.out"
echo "startup: $rounds rounds of ${names[*]} on $DISPLAY, $(wine --version 2>/dev/null)," \
  "load $(cut -d' ' -f1-3 /proc/loadavg)"
(cd "$folder" && timeout -k 5 1200 wine StartMeter.exe --rounds "$rounds" "${targets[@]}") \
  >"$out.raw" 2>"$folder/meter.err"
status=$?
tr -d '\r' <"$out.raw" >"$out"
if [ "$status" -ne 0 ]; then
  grep -E '^FAIL' "$out" | head -n 10
  echo "FAIL: StartMeter.exe exited with $status (output in $out, errors in $folder/meter.err)"
  exit 1
fi

# median NAME window_ms=X tray_ms=Y n=N best_window_ms=X best_tray_ms=Y
value() {
  awk -v n="$1" -v k="$2" '$1 == "median" && $2 == n {
    for (i = 3; i <= NF; i++) { split($i, kv, "="); if (kv[1] == k) print kv[2] } }' "$out"
}
for name in "${names[@]}"; do
  count=$(value "$name" n)
  [ "$count" = "$rounds" ] || { echo "FAIL: $name has ${count:-no} measured starts of $rounds"; exit 1; }
done

printf '%-22s %14s %14s %14s %14s\n' "ms from CreateProcess" "window median" "tray median" \
  "window fastest" "tray fastest"
for name in "${names[@]}"; do
  printf '%-22s %14s %14s %14s %14s\n' "$name" "$(value "$name" window_ms)" \
    "$(value "$name" tray_ms)" "$(value "$name" best_window_ms)" "$(value "$name" best_tray_ms)"
done
printf '%-22s %14s %14s\n' "ratio of the medians" window tray
for name in panel ${compare:+compare}; do
  for base in bare libraries; do
    awk -v label="$name/$base" -v pw="$(value "$name" window_ms)" -v pt="$(value "$name" tray_ms)" \
      -v bw="$(value "$base" window_ms)" -v bt="$(value "$base" tray_ms)" \
      'BEGIN { printf "%-22s %14.2f %14.2f\n", label, pw / bw, pt / bt }'
  done
done
