#!/usr/bin/env bash
# Makes docs/screenshots/indicator.png on a Wine virtual desktop with its
# taskbar: the simulator reports the handset present with its keys blocked,
# and the keyboard-blocked indicator stands in the work area's bottom right
# corner, its black transparent. Wine's taskbar leaves the work area the
# whole desktop, so the indicator stands over the taskbar's right end.
# Usage: scripts/screenshot-indicator.sh [OUTPUT-FOLDER]
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$repo/docs/screenshots}
# shellcheck source=screenshot-lib.sh
source "$repo/scripts/screenshot-lib.sh"

shot_begin indicator
shot_single "$out/indicator.png" 3000 <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 10000
status present blocked
expect indicator shown within 3000
SCRIPT
echo "Screenshot: $out/indicator.png"
