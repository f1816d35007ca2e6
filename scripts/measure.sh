#!/usr/bin/env bash
# make measure: every measurement of the real program under Wine, one
# sub-script each (scripts/measure-NAME.sh), one after another (never two
# Wine sessions at once). Each prints its own figures.
# Usage: scripts/measure.sh [NAME...]   (default: every measure-*.sh)
# Exits non-zero when any measurement failed.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)

names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for script in "$here"/measure-*.sh; do
    name=$(basename "$script" .sh)
    names+=("${name#measure-}")
  done
fi
[ ${#names[@]} -gt 0 ] || { echo "no measurement found in $here" >&2; exit 1; }

status=0
for name in "${names[@]}"; do
  script="$here/measure-$name.sh"
  if [ ! -f "$script" ]; then
    echo "FAIL $name: no such measurement ($script)"
    status=1
    continue
  fi
  echo "== $name"
  if ! bash "$script"; then
    echo "FAIL $name"
    status=1
  fi
done
exit $status
