#!/usr/bin/env bash
# The programs' sizes: the i686 build is what Windows 2000 and XP users
# download and run (it must stay under 1 MB), the x86_64 one beside it.
# Environment: MEASURE_BIN32, MEASURE_BIN (default build/win32/bin and
# build/win64/bin).
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
status=0
for bin in "${MEASURE_BIN32:-$repo/build/win32/bin}" "${MEASURE_BIN:-$repo/build/win64/bin}"; do
  exe="$bin/UsbPhonePanel.exe"
  if [ ! -f "$exe" ]; then
    echo "FAIL: missing $exe (make windows)"
    status=1
    continue
  fi
  bytes=$(stat -c %s "$exe")
  format=$(objdump -f "$exe" 2>/dev/null | sed -n 's/.*file format //p')
  awk -v b="$bytes" -v f="$format" 'BEGIN { printf "size: %s %d bytes (%.0f KB)\n", f, b, b / 1024 }'
  if [ "$format" = "pei-i386" ] && [ "$bytes" -ge 1048576 ]; then
    echo "FAIL: the i686 program is 1 MB or more"
    status=1
  fi
done
exit $status
