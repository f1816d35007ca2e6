#!/usr/bin/env bash
# 1,500 characters pasted into the name edit of shortcut 3 are cut by the
# edit to what one line of "urlList.jov" holds; saved, and read again after
# a restart, every shortcut is in its place and the file has its 8 lines.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin web_shortcut_paste_survives_restart

printf 'Two\r\nhttp://two/\r\nThree\r\nhttp://three/\r\nFour\r\nhttp://four/\r\nFive\r\nhttp://five/\r\n' \
  >"$TEST_DIR/urlList.jov"
PASTE=$(printf 'p%.0s' $(seq 1 1500))
KEPT=${PASTE:0:1022}

sim_run paste <<SCRIPT
start panel UsbPhonePanel.exe
expect attach-ack within 5000
expect link 3 "Three" enabled=1 within 3000
send-request show 51772 0x5A1C7E93
expect panel-visible within 3000
click-radio 3
paste-edit 1 "$PASTE"
expect button "Save" enabled=1 within 1000
click-button "Save"
expect button "Save" enabled=0 within 1000
expect link 3 "$KEPT" enabled=1
kill panel
SCRIPT

sim_run restart <<SCRIPT
start panel UsbPhonePanel.exe
expect attach-ack within 5000
expect link 2 "Two" enabled=1 within 3000
expect link 3 "$KEPT" enabled=1
expect link 4 "Four" enabled=1
expect link 5 "Five" enabled=1
kill panel
SCRIPT

lines=$(tr -cd '\n' <"$TEST_DIR/urlList.jov" | wc -c)
longest=$(tr -d '\r' <"$TEST_DIR/urlList.jov" | awk '{ if (length($0) > n) n = length($0) } END { print n }')
if [ "$lines" -ne 8 ] || [ "$longest" -ne 1022 ]; then
  echo "FAIL: urlList.jov has $lines lines, the longest $longest characters (want 8 and 1022)"
  exit 1
fi
echo "urlList.jov: 8 lines, the longest 1022 characters"
