#!/usr/bin/env bash
# A first start with "JovDestroyMode" creates its windows, greets the driver
# and ends at once with exit code 0.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin first_start_destroy_mode
sim_run sim <<'SCRIPT'
auto-discover off
start panel UsbPhonePanel.exe JovDestroyMode
expect greeting within 5000
expect exit panel code=0 within 3000
SCRIPT
