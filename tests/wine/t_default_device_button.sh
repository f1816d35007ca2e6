#!/usr/bin/env bash
# The audio page's default-device button. With Wine's default version
# (Windows 7 and later) the button names Wine's default playback endpoint,
# the prefix's ALSA "default" device, whose mixer device is "Out: default",
# and no control panel runs. With the prefix set to Windows XP the panel
# runs a stand-in Sound control panel (mmsys.cpl in system32, built from
# tests/wine/standin) hidden on its private desktop: the button names the
# device the stand-in's playback list selects, the stand-in is cancelled and
# its process is gone afterwards, and the poll ends within 200 ms of the
# dialog showing; no private desktop is left once the read has answered.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin default_device_button "$PANEL_EXE" "$SIM_EXE" SoundPanelStandIn.cpl
# A 32-bit panel's rundll32 finds system32 redirected to syswow64: the
# stand-in goes into both, and the one of the programs' own width is loaded.
CPLS=("$WINEPREFIX/drive_c/windows/system32/mmsys.cpl")
[ -d "$WINEPREFIX/drive_c/windows/syswow64" ] && CPLS+=("$WINEPREFIX/drive_c/windows/syswow64/mmsys.cpl")
# The prefix outlives the test: the stand-in goes with it.
trap 'st=$?; rm -f "${CPLS[@]}"; (exit $st); _wine_test_exit' EXIT
for cpl in "${CPLS[@]}"; do cp "$TEST_DIR/SoundPanelStandIn.cpl" "$cpl"; done
standin() { tr -d '\r' <"$STANDIN_LOG" | sed -n "s/^$1 //p" | head -n 1; }

# --- Windows 7: the endpoint's name ------------------------------------------
export STANDIN_LOG="$TEST_DIR/standin7.log"
sim_run endpoint <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
expect button "Out: default" enabled=1 within 3000
SCRIPT
[ ! -s "$STANDIN_LOG" ] || { echo "FAIL: a control panel ran on Windows 7: $(cat "$STANDIN_LOG")"; exit 1; }

# --- Windows XP: the worker reads the stand-in -------------------------------
wineserver -k >/dev/null 2>&1; wineserver -w >/dev/null 2>&1
wine_test_reg_add 'HKCU\Software\Wine' Version REG_SZ winxp
export STANDIN_LOG="$TEST_DIR/standin.log" STANDIN_PLAYBACK=1
sim_run xp <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
wait 3000
list-controls
# The read has answered: its private desktop is closed, not left behind.
expect no desktop "Jov desktop" within 500
SCRIPT
tr -d '\r' <"$STANDIN_LOG" | sed 's/^/  stand-in| /'
selected=$(standin selected)
[ -n "$selected" ] || { echo "FAIL: the stand-in showed no selection"; exit 1; }
[ "$(standin page)" = 2 ] || { echo "FAIL: not started with the Windows XP line"; exit 1; }
case "$(standin desktop)" in
  "Jov desktop "????????) ;;
  *) echo "FAIL: the stand-in ran on desktop '$(standin desktop)'"; exit 1 ;;
esac
[ -n "$(standin cancel)" ] || { echo "FAIL: the stand-in was not cancelled"; exit 1; }
[ -z "$(standin ok)" ] || { echo "FAIL: a read pressed OK"; exit 1; }
grep -q "class=Button text=\"$selected\" .* enabled=1" "$TEST_DIR/xp.out" ||
  { echo "FAIL: the button does not name \"$selected\""; exit 1; }
if pgrep -f 'mmsys\.cpl' >/dev/null; then
  echo "FAIL: the stand-in control panel still runs"; exit 1
fi
shown=$(standin shown) cancel=$(standin cancel)
echo "poll: the stand-in showed its dialog at ${shown} ms and was cancelled at ${cancel} ms: $((cancel - shown)) ms"
[ $((cancel - shown)) -lt 200 ] || { echo "FAIL: the poll took 200 ms or more"; exit 1; }
