#!/usr/bin/env bash
# The panel under faults and load, under Wine on a virtual display, driven
# by the handset simulator (tests/wine/README.md has its steps):
# - the driver's round trip (status messages) against a bare window's;
# - idle CPU: what the panel uses over 60 s with a status every second;
# - a flood of WM_HANDSET offered at 10,000 a second for 10 s: the rate
#   achieved, the longest wait of a WM_NULL meanwhile, the panel's handles
#   and working set before and after (run while the window is hidden and its
#   auto-hide timer off: under Wine without a window manager, hiding the
#   window holds the panel for seconds in Wine's own messages to its desktop
#   process);
# - the driver hanging: how long the panel's queue waits while it sends its
#   commands to a driver window that answers nothing, and per command (the
#   same change of state, answered, counts the commands);
# - the 1,000-file drop of the Wine tests, timed.
# Environment: MEASURE_BIN (default build/win64/bin), MEASURE_ROOT (work
# area with its own prefix, default build/measure). Exits non-zero when a
# run failed.
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
export WINE_TEST_BIN=${MEASURE_BIN:-$repo/build/win64/bin}
export WINE_TEST_ROOT=${MEASURE_ROOT:-$repo/build/measure}
# shellcheck source=../tests/wine/scripts/wine-env.sh
source "$repo/tests/wine/scripts/wine-env.sh"

for exe in UsbPhonePanel.exe HandsetSim.exe HandsetSimDrop.dll; do
  [ -f "$WINE_TEST_BIN/$exe" ] || { echo "FAIL: missing $WINE_TEST_BIN/$exe (make win64)"; exit 1; }
done
wine_env_start || { echo "FAIL: no Wine environment (X display, prefix)"; exit 1; }
folder="$WINE_TEST_ROOT/faults"
rm -rf "$folder" && mkdir -p "$folder"
cp "$WINE_TEST_BIN"/UsbPhonePanel.exe "$WINE_TEST_BIN"/HandsetSim.exe "$folder/"

cat >"$folder/faults.script" <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
status present skype
expect command "GET AUDIO_OUT" within 3000
wait 1000
roundtrip 2000
roundtrip-bare 2000
panel-usage idle-start
heartbeat 1000
wait 60000
panel-usage idle-end
heartbeat off
flood 10000 10
status present skype=0
wait 500
clear
print answered-start
status present skype
wait 1500
print answered-end
status present skype=0
wait 500
hang 4000 present skype
SCRIPT
echo "faults: on $DISPLAY, $(wine --version 2>/dev/null), load $(cut -d' ' -f1-3 /proc/loadavg)"
(cd "$folder" && timeout -k 5 600 wine HandsetSim.exe --script faults.script) \
  >"$folder/faults.raw" 2>"$folder/faults.err"
status=$?
tr -d '\r' <"$folder/faults.raw" >"$folder/faults.out"
out="$folder/faults.out"
if [ "$status" -ne 0 ] || ! grep -q ' script passed$' "$out"; then
  grep -E 'FAIL' "$out" | head -n 5
  echo "FAIL: the simulator exited with $status (output in $out)"
  exit 1
fi

field() {  # field LINE-PATTERN KEY: the KEY=value on the line matching the pattern
  grep -E "$1" "$out" | head -n 1 | tr ' ' '\n' | sed -n "s/^$2=//p"
}
panel_rt=$(field ' roundtrip n=' median_us)
bare_rt=$(field ' roundtrip-bare n=' median_us)
awk -v p="$panel_rt" -v b="$bare_rt" 'BEGIN {
  printf "round trip: panel %.1f us, bare window %.1f us (median of 2000), ratio %.2f\n", p, b, p / b }'
idle_start=$(field 'panel-usage idle-start' cpu_ms)
idle_end=$(field 'panel-usage idle-end' cpu_ms)
echo "idle CPU: $((idle_end - idle_start)) ms over 60 s with a status every second"
commands=$(awk '/print answered-start|answered-start$/ {on = 1} /answered-end$/ {on = 0}
  on && /received command/ {n++} END {print n + 0}' "$out")
queue=$(field ' hang ms=' queue_wait_ms)
awk -v q="$queue" -v c="$commands" 'BEGIN {
  printf "driver hung: the panel queue waited %d ms for %d commands, %.0f ms a command\n", q, c, (c ? q / c : 0) }'
grep -E ' hang ms=' "$out" | sed 's/^ *[0-9.]* /  /'
grep -E ' flood (offered|before|after)' "$out" | sed 's/^ *[0-9.]* /  /'

# The 1,000-file drop of the Wine tests, timed there.
WINE_TEST_ROOT="$WINE_TEST_ROOT/drop" "$repo/tests/wine/run.sh" dropped_files_are_copied \
  >"$folder/drop.out" 2>&1 || { tail -n 5 "$folder/drop.out"; echo "FAIL: the drop run"; exit 1; }
grep -h '1,000 dropped files copied' "$WINE_TEST_ROOT/drop/logs/"*.log | head -n 1
