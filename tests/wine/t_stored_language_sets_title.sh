#!/usr/bin/env bash
# A stored "LanguageID" of 3 shows the window's title in Japanese on an
# English system, read from another process as UTF-16: the title is handed
# to Windows in its own script, whatever the system's code page.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin stored_language_sets_title
wine_test_reg_add 'HKCU\SoftWare\KESTAV\USB_PHONE_R62' LanguageID REG_DWORD 3
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
expect panel-title "USBフォン オーディオコントロール " within 3000
SCRIPT
