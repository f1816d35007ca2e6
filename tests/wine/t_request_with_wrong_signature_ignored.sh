#!/usr/bin/env bash
# Instance requests with a wrong wParam or lParam are answered 1 and change
# nothing; the same requests with the right signature act. (A panel whose
# window is shown has been seen to take about 4 s under Wine to end after
# withdrawing its window, hence the wide bound on the exit.)
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin request_with_wrong_signature_ignored
sim_run sim <<'SCRIPT'
start panel UsbPhonePanel.exe
find-panel within 5000
send-request show 51772 0x5A1C7E94
expect answer 1
send-request show 51773 0x5A1C7E93
expect answer 1
expect no panel-visible within 1000
send-request quit 0 0
expect answer 1
send-request quit 51772 0x5A1C7E92
expect answer 1
expect no exit panel within 1000
send-request show 51772 0x5A1C7E93
expect answer 1
expect panel-visible within 2000
send-request quit 51772 0x5A1C7E93
expect answer 1
expect panel-gone within 3000
expect exit panel code=0 within 10000
SCRIPT
