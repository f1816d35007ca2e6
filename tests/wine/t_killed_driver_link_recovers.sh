#!/usr/bin/env bash
# The driver process is killed mid-session: within 3 s the panel shows the
# link down (grey tray icon, volume and Skype groups off); a new driver's
# Discover and status bring everything back.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin killed_driver_link_recovers
cat >"$TEST_DIR/driver.script" <<'DRIVER'
find-panel within 10000
discover
status present skype
heartbeat 1000
wait 60000
DRIVER
sim_run sim <<'SCRIPT'
auto-discover off
start panel UsbPhonePanel.exe
find-panel within 5000
start driver HandsetSim.exe --script driver.script
expect control group "USB Phone" enabled=1 within 8000
expect control group "Skype Audio Device" enabled=1 within 3000
expect tray-colour green within 3000
kill driver
expect control group "USB Phone" enabled=0 within 3500
expect control group "Skype Audio Device" enabled=0 within 500
expect tray-colour grey within 1000
discover
status present skype
expect control group "USB Phone" enabled=1 within 3000
expect control group "Skype Audio Device" enabled=1 within 3000
expect tray-colour green within 3000
expect command "GET AUDIO_OUT" within 3000
SCRIPT
