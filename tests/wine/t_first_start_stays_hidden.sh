#!/usr/bin/env bash
# A first start stays up with its main window hidden.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin first_start_stays_hidden
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
find-panel within 5000
expect no panel-visible within 1500
expect no exit panel within 0
SCRIPT
