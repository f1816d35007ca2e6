#!/usr/bin/env bash
# Installs what the build needs, once: quiet when everything is there.
# Usage: install-deps.sh [native] [windows] [wine]
set -euo pipefail

declare -A groups=(
  [native]="cmake make g++ libgtest-dev libbenchmark-dev"
  [windows]="g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64"
  [wine]="wine wine64 xvfb imagemagick x11-utils"
)

wanted=()
for group in "${@:-native}"; do
  for pkg in ${groups[$group]}; do wanted+=("$pkg"); done
done

missing=()
for pkg in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -ne 0 ]]; then
  echo "missing packages: ${missing[*]} (run as root to install them)" >&2
  exit 1
fi
echo "installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
