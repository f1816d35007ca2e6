#!/usr/bin/env bash
# Shortcut 3 edited (texts set from outside as typing sets them) and saved
# shows at once and again after a restart; its link's click reaches the
# shell, which runs the prefix's http handler (a stand-in that writes the
# address to a file). The browser tab carries its title and, once shown,
# hosts a browser asked for the start page.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin web_shortcuts
source "$(dirname "$0")/scripts/web-handler.sh"
web_handler_standin

sim_run edit <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
expect link 1 "Skype" enabled=1 within 3000
expect link 3 "N/A" enabled=0
expect tab 4 "Skype"
send-request show 51772 0x5A1C7E93
expect panel-visible within 3000
click-radio 3
expect button "Save" enabled=0
set-edit 1 "Example"
expect button "Save" enabled=1
set-edit 2 "HTTPS://Example.org/x"
click-button "Save"
expect link 3 "Example" enabled=1 within 1000
expect button "Save" enabled=0
select-tab 4
expect browser "http://www.skype.com/" within 5000
kill panel
SCRIPT

sim_run restart <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
expect link 3 "Example" enabled=1 within 3000
expect link 2 "N/A" enabled=0
click-link 3
wait 500
kill panel
SCRIPT

web_handler_opened "https://Example.org/x"
