#!/usr/bin/env bash
# At 144 pixels per inch (150 %) the window, its controls and the
# keyboard-blocked indicator are laid out at 1.5 times their designed sizes,
# as the fonts are: the client area, the tab control, the "USB Phone" group,
# the speaker slider and the default-device label measured from another
# process against the ratio; at 96 the same lines give the design's sizes.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin layout_follows_display_scale
fail() { echo "FAIL: $*"; exit 1; }

# scaled DESIGNED PPI: the length laid out at that scale, halves rounded up.
scaled() { echo $((($1 * $2 + 48) / 96)); }
# size_of LOGNAME PATTERN: "W H" of the first listed control matching PATTERN.
size_of() {
  grep -E "$2" "$TEST_DIR/$1.out" | head -n 1 | sed -E 's/.* rect=(-?[0-9]+),(-?[0-9]+),(-?[0-9]+),(-?[0-9]+) .*/\1 \2 \3 \4/' |
    awk '{ print $3 - $1, $4 - $2 }'
}
# edge_width LEFT WIDTH PPI: a control's width laid out by its scaled edges.
edge_width() { echo $(($(scaled $(($1 + $2)) "$3") - $(scaled "$1" "$3"))); }

# expect_size LOG PPI WHAT PATTERN LEFT TOP WIDTH HEIGHT: the control
# matching PATTERN has the designed bounds' size at that scale.
expect_size() {
  local want got
  want="$(edge_width "$5" "$7" "$2") $(edge_width "$6" "$8" "$2")"
  got=$(size_of "$1" "$4")
  [ "$got" = "$want" ] || fail "$2 dpi: $3 $got, want $want"
}

check_layout() {
  local log=$1 ppi=$2 client want
  client=$(grep -o 'panel client=[0-9]*x[0-9]*' "$TEST_DIR/$log.out" | tail -n 1 | cut -d= -f2)
  want="$(scaled 590 "$ppi")x$(scaled 297 "$ppi")"
  [ "$client" = "$want" ] || fail "$ppi dpi: client area $client, want $want"
  # Each with its designed place and size on its parent.
  expect_size "$log" "$ppi" "tab control" 'class=SysTabControl32' 4 8 581 285
  expect_size "$log" "$ppi" group 'class=Button text="USB Phone"' 8 6 272 176
  expect_size "$log" "$ppi" slider 'class=msctls_trackbar32' 8 40 196 32
  expect_size "$log" "$ppi" "default-device label" 'text="Windows default sound device:"' \
    12 190 553 16
  echo "  $ppi dpi: client $client, controls at the ratio"
}

layout_script() {
  cat <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 10000
status present
expect control group "USB Phone" enabled=1 within 3000
send-request show 51772 0x5A1C7E93
expect panel-visible within 3000
wait 1000
select-tab 3
expect control trackbar 1 in "USB Phone" visible=1 within 3000
list-controls
# The indicator, at the same scale (checked inside the simulator).
status present blocked
expect indicator shown within 3000
SCRIPT
}

sim_run at96 < <(layout_script)
check_layout at96 96

# Wine reads the scale when its server starts.
wineserver -k >/dev/null 2>&1
wineserver -w >/dev/null 2>&1
wine_test_reg_add 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD 144
wine_test_reg_add 'HKEY_CURRENT_CONFIG\Software\Fonts' LogPixels REG_DWORD 144
sim_run at144 < <(layout_script)
check_layout at144 144
