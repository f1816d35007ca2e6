# What every screenshot script shares, sourced after it set `repo`: a Wine
# prefix of its own on a private X display, a virtual desktop with its
# taskbar (window frames and a notification area drawn as Windows draws
# them), a work folder with the panel and the simulator, and a run of a
# simulator script whose `print MARK` lines say when to take a picture.
#
# A script calls shot_begin, prepares what its scene needs, and then hands
# the simulator's steps (on standard input) to shot_single or shot_pictures:
#
#   shot_begin NAME        prefix build/screenshot-NAME, work folder $work;
#                          the tests' helpers (wine_test_win_path,
#                          ring_audio_tones, ...) defined
#   shot_link_cjk_font     East Asian text drawn with the Linux font that has
#                          the glyphs (fonts-wqy-microhei), linked to the
#                          system's faces so the title bar shows it too
#   shot_single FILE [HOLD_MS] < STEPS
#                          one picture: after STEPS a pause of 1.5 s, then
#                          FILE is taken while the scene holds still for
#                          HOLD_MS (default 5000)
#   shot_pictures MARK FILE [MARK FILE...] < STEPS
#                          STEPS print each MARK themselves; FILE is taken
#                          when its MARK shows in the log
#
# Both run the steps as one simulator script, named after the (first)
# picture in $work with its log beside it, and fail unless it passed. They
# are built from:
#
#   shot_run SCRIPT LOG    starts the simulator with SCRIPT (a file in $work)
#   shot_take MARK FILE    waits for MARK in the log, then takes the picture
#   shot_end               waits for the script's verdict; fails unless passed
# shellcheck shell=bash
# shellcheck disable=SC2154 # repo: set by the script that sources this file

shot_width=800
shot_height=600

die() {
  echo "screenshot: $*" >&2
  exit 1
}

shot_begin() {
  export WINE_TEST_ROOT="$repo/build/screenshot-$1"
  export WINE_TEST_BIN="${WINE_TEST_BIN:-$repo/build/win64/bin}"
  # shellcheck source=../tests/wine/scripts/wine-env.sh
  source "$repo/tests/wine/scripts/wine-env.sh"
  # The tests' tones (ring_audio_tones and its kin), for the ring-tone pages.
  # shellcheck source=../tests/wine/scripts/ring-audio.sh
  source "$repo/tests/wine/scripts/ring-audio.sh"
  for exe in "$PANEL_EXE" "$SIM_EXE"; do
    [ -f "$WINE_TEST_BIN/$exe" ] || die "missing $WINE_TEST_BIN/$exe (make win64 first)"
  done
  wine_env_start || die "no X display or Wine prefix"
  wine reg add 'HKCU\Software\Wine\Explorer' /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1 ||
    die "could not turn the virtual desktop's shell on"
  work="$WINE_TEST_ROOT/work"
  rm -rf "$work" && mkdir -p "$work"
  cp "$WINE_TEST_BIN/$PANEL_EXE" "$WINE_TEST_BIN/$SIM_EXE" "$work/"
  # The simulator's drop hook, for the pictures of a drop.
  cp "$WINE_TEST_BIN/HandsetSimDrop.dll" "$work/" 2>/dev/null || true
}

shot_run() {
  shot_log="$work/$2"
  rm -f "$shot_log"
  (cd "$work" && wine explorer "/desktop=UsbPhone,${shot_width}x$shot_height" "$SIM_EXE" \
    --script "$1" --log "$2" >/dev/null 2>&1) &
  shot_runner=$!
}

shot_take() {
  for _ in $(seq 1 300); do
    grep -q "$1" "$shot_log" 2>/dev/null && break
    kill -0 "$shot_runner" 2>/dev/null || break
    sleep 0.1
  done
  grep -q "$1" "$shot_log" 2>/dev/null || {
    sed 's/^/  /' "$shot_log" 2>/dev/null
    die "the simulator's script did not reach $1"
  }
  mkdir -p "$(dirname "$2")"
  # The virtual desktop is one X window at the top left of the display.
  import -window root -display "$DISPLAY" -crop "${shot_width}x$shot_height+0+0" +repage "$2" ||
    die "import failed"
}

shot_end() {
  # The desktop's explorer may outlive the script: wait for its verdict only.
  for _ in $(seq 1 200); do
    grep -qE ' script (passed|failed)' "$shot_log" && break
    sleep 0.1
  done
  tr -d '\r' <"$shot_log" | grep -q ' script passed$' || {
    sed 's/^/  /' "$shot_log"
    die "the simulator's script failed"
  }
}

shot_pictures() {
  local name
  name=$(basename "$2" .png)
  cat >"$work/$name.script"
  shot_run "$name.script" "$name.log"
  while [ $# -ge 2 ]; do
    shot_take "$1" "$2"
    shift 2
  done
  shot_end
}

shot_single() {
  local steps
  steps=$(cat)
  shot_pictures take-the-screenshot "$1" \
    < <(printf '%s\n' "$steps" "wait 1500" "print take-the-screenshot" "wait ${2:-5000}")
}

shot_link_cjk_font() {
  local installed_fonts face
  # Read whole: grep -q would end the pipe early, which pipefail counts.
  installed_fonts=$(fc-list 2>/dev/null || true)
  if ! grep -q 'wqy-microhei.ttc' <<<"$installed_fonts"; then
    echo "screenshot: no CJK font (apt-get install fonts-wqy-microhei): squares expected" >&2
    return 0
  fi
  for face in Tahoma "MS Sans Serif" "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2"; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1 ||
      die "could not link $face"
  done
}
