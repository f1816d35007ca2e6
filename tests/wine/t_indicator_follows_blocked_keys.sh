#!/usr/bin/env bash
# A status with the handset present and its keys blocked shows the
# indicator: visible, topmost, 100 x 32, in the work area's corner; a status
# without the block, or without the handset, hides it.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin indicator_follows_blocked_keys
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
expect indicator hidden within 3000
status present blocked
expect indicator shown within 2000
status present
expect indicator hidden within 2000
status present blocked
expect indicator shown within 2000
status blocked
expect indicator hidden within 2000
SCRIPT
