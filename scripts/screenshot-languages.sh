#!/usr/bin/env bash
# Makes docs/screenshots/language-{english,japanese,korean,russian}.png: the
# panel's window on its audio page ("Setup") in each of those languages,
# chosen through the stored "LanguageID" on an English system, on a Wine
# virtual desktop (window frames and a taskbar drawn as Windows draws them).
#
# Wine draws East Asian text only with a Linux font that has the glyphs
# (fonts-wqy-microhei); the system's faces are linked
# to it, so the title bar shows them too. Usage:
# scripts/screenshot-languages.sh [OUTPUT-FOLDER]
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
out_dir=${1:-$repo/docs/screenshots}
export WINE_TEST_ROOT="$repo/build/screenshot-languages"
export WINE_TEST_BIN="${WINE_TEST_BIN:-$repo/build/win64/bin}"
# shellcheck source=../tests/wine/scripts/wine-env.sh
source "$repo/tests/wine/scripts/wine-env.sh"

desktop_size=800x600
die() {
  echo "screenshot: $*" >&2
  exit 1
}

for exe in "$PANEL_EXE" "$SIM_EXE"; do
  [ -f "$WINE_TEST_BIN/$exe" ] || die "missing $WINE_TEST_BIN/$exe (make win64 first)"
done
wine_env_start || die "no X display or Wine prefix"
wine reg add 'HKCU\Software\Wine\Explorer' /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1 ||
  die "could not turn the virtual desktop's shell on"

cjk_font=""
# Read whole: grep -q would end the pipe early, which pipefail counts.
installed_fonts=$(fc-list 2>/dev/null || true)
if grep -q 'wqy-microhei.ttc' <<<"$installed_fonts"; then
  cjk_font='wqy-microhei.ttc,WenQuanYi Micro Hei'
else
  echo "screenshot: no CJK font (apt-get install fonts-wqy-microhei): squares expected" >&2
fi
if [ -n "$cjk_font" ]; then
  for face in Tahoma "MS Sans Serif" "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2"; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$face" /t REG_MULTI_SZ /d "$cjk_font" /f >/dev/null 2>&1 || die "could not link $face"
  done
fi

work="$WINE_TEST_ROOT/work"
rm -rf "$work" && mkdir -p "$work" "$out_dir"
cp "$WINE_TEST_BIN/$PANEL_EXE" "$WINE_TEST_BIN/$SIM_EXE" "$work/"
# Tab 3 is the audio page, the one with the most texts (its group boxes are
# named in the language shown, so the speaker slider tells that it is up).
# The request to show
# the window carries the signature a second start uses.
cat >"$work/shot.script" <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 10000
send-request show 51772 0x5A1C7E93
expect panel-visible within 3000
# The window is still coming up: its tab control answers once it has.
wait 1000
select-tab 3
expect control trackbar 1 visible=1 within 3000
wait 1500
print take-the-screenshot
wait 4000
SCRIPT

shoot() {
  local name=$1 index=$2
  local log="$work/shot-$name.log"
  wine reg add 'HKCU\SoftWare\KESTAV\USB_PHONE_R62' /v LanguageID /t REG_DWORD /d "$index" /f \
    >/dev/null 2>&1 || die "could not store LanguageID $index"
  rm -f "$log"
  (cd "$work" && wine explorer "/desktop=UsbPhone,$desktop_size" "$SIM_EXE" --script shot.script \
    --log "shot-$name.log" >/dev/null 2>&1) &
  local runner=$!
  for _ in $(seq 1 300); do
    grep -q 'take-the-screenshot' "$log" 2>/dev/null && break
    kill -0 "$runner" 2>/dev/null || break
    sleep 0.1
  done
  grep -q 'take-the-screenshot' "$log" 2>/dev/null || {
    sed 's/^/  /' "$log" 2>/dev/null
    die "the simulator's script did not reach the screenshot ($name)"
  }
  import -window root -display "$DISPLAY" -crop "$desktop_size+0+0" +repage \
    "$out_dir/language-$name.png" || die "import failed ($name)"
  for _ in $(seq 1 200); do
    grep -qE ' script (passed|failed)' "$log" && break
    sleep 0.1
  done
  tr -d '\r' <"$log" | grep -q ' script passed$' || {
    sed 's/^/  /' "$log"
    die "the simulator's script failed ($name)"
  }
  # The panel ends with the script; let it go before the next language.
  sleep 1
}

shoot english 0
shoot japanese 3
shoot korean 4
shoot russian 20
echo "screenshots in $out_dir"
