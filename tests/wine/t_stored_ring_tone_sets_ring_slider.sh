#!/usr/bin/env bash
# A stored "RingTone" of 0x35 (level nibble 3) puts the hidden ring slider
# (range 0..15) at 15 - 3 = 12 once the handset's group is enabled.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin stored_ring_tone_sets_ring_slider
wine_test_reg_add 'HKCU\SoftWare\KESTAV\USB_PHONE_R62' RingTone REG_DWORD 0x35
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
expect control trackbar 3 in "USB Phone" pos=0 within 3000
status present
expect control group "USB Phone" enabled=1 within 2000
expect control trackbar 3 in "USB Phone" pos=12 visible=0
SCRIPT
