#!/usr/bin/env bash
# Discover is answered 1 and acknowledged by a posted Attach (wParam the
# panel's window, lParam 0); a Discover from the window already stored is
# acknowledged twice.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin discover_is_acknowledged
sim_run sim <<'SCRIPT'
auto-discover off
start panel UsbPhonePanel.exe
expect greeting within 5000
expect no attach-ack within 500
discover
expect answer 1
expect attach-ack within 1000
expect no attach-ack within 300
discover
expect answer 1
expect attach-ack within 1000
expect attach-ack within 1000
SCRIPT
