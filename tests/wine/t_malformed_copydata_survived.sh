#!/usr/bin/env bash
# Malformed WM_COPYDATA does not crash the panel: no data, no zero byte
# within cbData, 1 MB of bytes, a cbData shorter than the text. Only a text
# that holds a device-reply prefix within cbData is answered 1.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin malformed_copydata_survived
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
send-copydata-raw empty
expect answer 0
send-copydata-raw bytes 00
expect answer 0
send-copydata-raw noterm "SOMETHING ELSE"
expect answer 0
send-copydata-raw fill 1048576 0x41
expect answer 0
send-copydata-raw dwdata=0xFFFFFFFF cbdata=5 text "AUDIO_OUT Speakers"
expect answer 0
send-copydata-raw text "AUDIO_IN"
expect answer 0
send-copydata-raw noterm "AUDIO_OUT Speakers"
expect answer 1
send-copydata-raw text "AUDIO_IN "
expect answer 1
status present skype
expect answer 1
expect no exit panel within 500
SCRIPT
