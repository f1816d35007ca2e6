#!/usr/bin/env bash
# A hand-edited "urlList.jov" whose shortcuts name a program, as a plain
# path and as a file: URL: neither a handset key nor a click runs it (the
# program would leave C:\ran.txt behind); the web shortcut in the same file
# still opens in the default browser (the prefix's http handler).
# The number keys open shortcuts only while the panel is in front.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin web_shortcuts_open_only_web_addresses
source "$(dirname "$0")/scripts/web-handler.sh"
web_handler_standin

RAN="$WINEPREFIX/drive_c/ran.txt"
rm -f "$RAN"
printf '@echo ran>C:\\ran.txt\r\n' >"$WINEPREFIX/drive_c/marker.bat"
printf 'Program\r\nC:\\marker.bat\r\nFile URL\r\nfile:///C:/marker.bat\r\nWeb\r\nhttp://example.org/ok\r\n' \
  >"$TEST_DIR/urlList.jov"
cp "$TEST_DIR/urlList.jov" "$TEST_DIR/urlList.before"

sim_run open <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
status present keymode=1
expect link 2 "Program" enabled=1 within 3000
expect link 3 "File URL" enabled=1
key 36
key 0
expect panel-visible within 3000
# The number keys select and open shortcuts 2 and 3.
key 30
key 0
expect radio 2 checked=1 within 1000
key 25
key 0
expect radio 3 checked=1 within 1000
click-link 2
click-link 3
wait 1000
# Shortcut 4 is a web page: it opens (by a click: a program that ran may
# have taken the foreground, where the keys act).
click-link 4
wait 500
kill panel
SCRIPT

web_handler_opened "http://example.org/ok"
sleep 1
if [ -e "$RAN" ]; then
  echo "FAIL: a shortcut naming a program ran it"
  exit 1
fi
if ! cmp -s "$TEST_DIR/urlList.jov" "$TEST_DIR/urlList.before"; then
  echo "FAIL: urlList.jov changed"
  exit 1
fi
echo "no program ran; urlList.jov kept as written"
