#!/usr/bin/env bash
# Makes docs/screenshots/scale-<DPI>-<LANG>-<PAGE>.png: the panel's three
# pages (web shortcuts, ring tones, audio) in English and Japanese at 96,
# 120, 144 and 192 pixels per inch (100, 125, 150 and 200 %), each on a
# Wine virtual desktop whose prefix has that scale (its LogPixels), large
# enough to hold the window. Wine draws East Asian text only with a Linux
# font that has the glyphs (fonts-wqy-microhei).
# Usage: scripts/screenshot-scales.sh [OUTPUT-FOLDER] [DPI...]
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
out_dir=${1:-$repo/docs/screenshots}
shift || true
scales=("$@")
[ ${#scales[@]} -gt 0 ] || scales=(96 120 144 192)
# A screen that holds the window at 200 % with the desktop around it.
export WINE_ENV_SCREEN=1600x1200
# shellcheck source=screenshot-lib.sh
source "$repo/scripts/screenshot-lib.sh"

shoot_scale() {
  local ppi=$1 lang index
  shot_begin "scale-$ppi"
  # The desktop holds the window at its scale, with room for the taskbar.
  shot_width=$(((590 * ppi / 96) + 220))
  shot_height=$(((297 * ppi / 96) + 260))
  shot_link_cjk_font
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$ppi" /f >/dev/null 2>&1 &&
    wine reg add 'HKEY_CURRENT_CONFIG\Software\Fonts' /v LogPixels /t REG_DWORD /d "$ppi" /f \
      >/dev/null 2>&1 || die "could not store LogPixels $ppi"
  # Wine reads the scale when its server starts.
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
  for lang in en ja; do
    index=0
    [ "$lang" = ja ] && index=3
    wine reg add 'HKCU\SoftWare\KESTAV\USB_PHONE_R62' /v LanguageID /t REG_DWORD /d "$index" /f \
      >/dev/null 2>&1 || die "could not store LanguageID $index"
    # The handset present, so the audio page's groups are enabled. The
    # request to show the window carries the signature a second start uses.
    shot_pictures page-1 "$out_dir/scale-$ppi-$lang-shortcuts.png" \
      page-2 "$out_dir/scale-$ppi-$lang-ring-tones.png" \
      page-3 "$out_dir/scale-$ppi-$lang-audio.png" <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 10000
status present
expect control trackbar 1 enabled=1 within 3000
send-request show 51772 0x5A1C7E93
expect panel-visible within 3000
# The window is still coming up: its tab control answers once it has.
wait 1500
select-tab 1
wait 1000
# A status before each picture: the driver's silence would turn the groups off.
status present
wait 500
print page-1
wait 1200
select-tab 2
wait 1000
status present
wait 500
print page-2
wait 1200
select-tab 3
expect control trackbar 1 visible=1 within 3000
status present
expect control trackbar 1 enabled=1 within 3000
wait 500
print page-3
wait 1200
SCRIPT
    # The panel ends with the script; let it go before the next language.
    sleep 1
  done
}

# Each scale in a shell of its own: its display, wineserver and work-area
# lock go when that shell ends, before the next scale begins.
for ppi in "${scales[@]}"; do
  (shoot_scale "$ppi") || exit 1
done
echo "screenshots in $out_dir"
