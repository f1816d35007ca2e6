# Sourced by the Wine end-to-end tests: an X display, a private Wine prefix
# and a fresh program folder per test, all cleaned up on exit.
#
# The runner (run.sh) calls wine_env_start once and exports the result, so a
# test it runs finds WINE_ENV_READY=1 and reuses the display and the prefix;
# a test started on its own sets up (and tears down) everything itself.
#
# Variables: WINE_TEST_BIN (the programs, default build/win64/bin),
# WINE_TEST_ROOT (work area, default build/wine-test), WINE_TEST_RESULT (set
# by the runner: a file a passing test writes its confirmed simulator runs
# to; the runner counts a test as passed only with it).
#
# A test passes only when it exits 0 after at least one confirmed simulator
# run (sim_run, or wine_test_confirm on the simulator's own output): a test
# that ran nothing, or a program that Wine only pretended to run, fails.

WINE_TEST_REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
: "${WINE_TEST_BIN:=$WINE_TEST_REPO/build/win64/bin}"
: "${WINE_TEST_ROOT:=$WINE_TEST_REPO/build/wine-test}"
# Absolute, since the tests run the programs from their own folders.
[ -d "$WINE_TEST_BIN" ] && WINE_TEST_BIN=$(cd "$WINE_TEST_BIN" && pwd)
mkdir -p "$WINE_TEST_ROOT" && WINE_TEST_ROOT=$(cd "$WINE_TEST_ROOT" && pwd)
export WINE_TEST_BIN WINE_TEST_ROOT
export WINEPREFIX="$WINE_TEST_ROOT/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree="
# Private home: the ALSA configuration below gives Wine audio devices
# without sound hardware.
export HOME="$WINE_TEST_ROOT/home"

PANEL_EXE=UsbPhonePanel.exe
SIM_EXE=HandsetSim.exe
# The names the panel's Wine audio shows, "Out: USB Audio Device" and so on.
WINE_TEST_AUDIO_DEVICE="USB Audio Device"

_wine_env_xvfb_pid=""

wine_env_log() { echo "[wine-env] $*" >&2; }

# Starts Xvfb on the first free display from :90 on, WINE_ENV_SCREEN
# (default 1280x1024) in size.
wine_env_start_x() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 "${WINE_ENV_SCREEN:-1280x1024}x24" -nolisten tcp >/dev/null 2>&1 &
    _wine_env_xvfb_pid=$!
    local i
    for i in $(seq 1 50); do
      if [ -S "/tmp/.X11-unix/X$n" ]; then
        export DISPLAY=":$n"
        return 0
      fi
      kill -0 "$_wine_env_xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill "$_wine_env_xvfb_pid" 2>/dev/null
    _wine_env_xvfb_pid=""
  done
  wine_env_log "no free X display could be started"
  return 1
}

# REG_MULTI_SZ data in .reg notation: hex(7):... with two zeros. Wine's
# regedit reads these bytes in the file's own encoding (ANSI here); UTF-16
# bytes would become one string per letter.
_wine_env_multi_sz() {
  printf '%s\0\0' "$1" | od -An -v -tx1 |
    tr -s ' \n' ',' | sed 's/^,//; s/,$//'
}

# A new prefix: crash dialogs off (a crash must end the program, not hang
# the suite) and a named audio device beside ALSA's default.
wine_env_make_prefix() {
  rm -rf "$WINEPREFIX" "$HOME"
  mkdir -p "$WINE_TEST_ROOT" "$HOME"
  cat >"$HOME/.asoundrc" <<ASOUND
pcm.!default { type null }
pcm."$WINE_TEST_AUDIO_DEVICE" { type null }
ASOUND
  wineboot -i >"$WINE_TEST_ROOT/wineboot.log" 2>&1
  wineserver -w
  local reg="$WINE_TEST_ROOT/settings.reg" devices
  devices=$(_wine_env_multi_sz "$WINE_TEST_AUDIO_DEVICE")
  printf '%s\r\n' 'REGEDIT4' '' \
    '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' '"ShowCrashDialog"=dword:00000000' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Drivers]' '"Audio"="alsa"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Drivers\winealsa.drv]' \
    "\"ALSAOutputDevices\"=hex(7):$devices" "\"ALSAInputDevices\"=hex(7):$devices" '' >"$reg"
  wine regedit /S "$reg" >>"$WINE_TEST_ROOT/wineboot.log" 2>&1
  wineserver -w
  [ -f "$WINEPREFIX/system.reg" ] && grep -q ShowCrashDialog "$WINEPREFIX/user.reg" &&
    _wine_env_save_registry
}

# The prefix's registry as prepared, so that every test starts from it
# (wine_test_begin): what one test stored cannot reach the next.
_wine_env_registry_files="system.reg user.reg userdef.reg"
_wine_env_save_registry() {
  mkdir -p "$WINE_TEST_ROOT/registry" &&
    (cd "$WINEPREFIX" && cp $_wine_env_registry_files "$WINE_TEST_ROOT/registry/")
}

# Only while no wineserver runs: it keeps the registry in memory and writes
# it back when it ends.
_wine_env_restore_registry() {
  (cd "$WINE_TEST_ROOT/registry" && cp $_wine_env_registry_files "$WINEPREFIX/")
}

wine_env_stop() {
  wineserver -k >/dev/null 2>&1
  if [ -n "$_wine_env_xvfb_pid" ]; then
    kill "$_wine_env_xvfb_pid" 2>/dev/null
    wait "$_wine_env_xvfb_pid" 2>/dev/null
    _wine_env_xvfb_pid=""
  fi
}

# Display and prefix for a whole run; exported for the tests.
wine_env_start() {
  trap wine_env_stop EXIT
  # One run at a time per work area: a second one would rebuild the prefix
  # under the first. The lock goes with this shell.
  mkdir -p "$WINE_TEST_ROOT"
  exec {_wine_env_lock}>"$WINE_TEST_ROOT/.lock"
  if ! flock -n "$_wine_env_lock"; then
    wine_env_log "waiting for another test run in $WINE_TEST_ROOT"
    flock -w 600 "$_wine_env_lock" || return 1
  fi
  wine_env_start_x || return 1
  wine_env_make_prefix || {
    wine_env_log "the Wine prefix could not be prepared (see $WINE_TEST_ROOT/wineboot.log)"
    return 1
  }
  export WINE_ENV_READY=1
}

# ---- per test --------------------------------------------------------------

# wine_test_begin NAME [EXE...]: a fresh folder with the programs (default
# the panel and the simulator), nothing of an earlier test left running.
# Sets TEST_DIR.
wine_test_begin() {
  _wine_test_confirmed=0
  _wine_test_owns_env=0
  if [ "${WINE_ENV_READY:-}" != 1 ]; then
    wine_env_start || exit 1
    _wine_test_owns_env=1
  fi
  trap _wine_test_exit EXIT
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
  _wine_env_restore_registry || {
    echo "the prepared registry could not be restored into $WINEPREFIX"
    exit 1
  }
  TEST_DIR="$WINE_TEST_ROOT/work/$1"
  rm -rf "$TEST_DIR"
  mkdir -p "$TEST_DIR"
  shift
  local exe exes=("$@")
  [ ${#exes[@]} -gt 0 ] || exes=("$PANEL_EXE" "$SIM_EXE")
  for exe in "${exes[@]}"; do
    if [ ! -f "$WINE_TEST_BIN/$exe" ]; then
      echo "missing $WINE_TEST_BIN/$exe (build the win64 preset first)"
      exit 1
    fi
    cp "$WINE_TEST_BIN/$exe" "$TEST_DIR/"
  done
}

# wine_test_reg_add KEY NAME TYPE DATA: stores a registry value in the
# prefix before the programs start (as "wine reg add"; DWORD data may be
# 0x hex). Ends the test when it cannot.
wine_test_reg_add() {
  local out
  out=$(wine reg add "$1" /v "$2" /t "$3" /d "$4" /f 2>&1) || {
    echo "FAIL: could not store $1\\$2 = $4: $out"
    exit 1
  }
}

# At the end of a test: nothing of it left running, and a status 0 stands
# only after a confirmed simulator run.
_wine_test_exit() {
  local status=$?
  wineserver -k >/dev/null 2>&1
  if [ "$status" -eq 0 ] && [ "${_wine_test_confirmed:-0}" -eq 0 ]; then
    echo "FAIL: the test ended with status 0 but confirmed no simulator run: it tested nothing"
    status=1
  fi
  if [ "$status" -eq 0 ] && [ -n "${WINE_TEST_RESULT:-}" ]; then
    echo "confirmed $_wine_test_confirmed" >"$WINE_TEST_RESULT"
  fi
  [ "${_wine_test_owns_env:-0}" = 1 ] && wine_env_stop
  exit "$status"
}

# wine_test_confirm FILE: FILE holds the output of a simulator script that
# ran to its end ("script passed"); counts as a confirmed run. For tests
# that start the simulator themselves. Ends the test when it does not hold.
wine_test_confirm() {
  if tr -d '\r' <"$1" 2>/dev/null | grep -q ' script passed$'; then
    _wine_test_confirmed=$((_wine_test_confirmed + 1))
    return 0
  fi
  echo "FAIL: $1 holds no passed simulator script"
  exit 1
}

# wine_test_win_path PATH: PATH as Windows programs see it (winepath -w,
# without the carriage return).
wine_test_win_path() {
  winepath -w "$1" 2>/dev/null | tr -d '\r'
}

# wine_test_script_path PATH: the same with every backslash doubled, for a
# simulator script, whose quoted words read a backslash as an escape.
wine_test_script_path() {
  local path
  path=$(wine_test_win_path "$1")
  echo "${path//\\/\\\\}"
}

# sim_run NAME [OPTIONS...] < script: runs the simulator on the script in the
# test folder. Passes only when the simulator exited 0, printed "script
# passed" and confirmed every expect line of the script (at least one), so a
# simulator that never ran cannot pass; otherwise it ENDS THE TEST with
# status 1 (no test has to remember to check). Its output is in
# $TEST_DIR/NAME.out.
sim_run() {
  local name=$1 status expects oks
  shift
  cat >"$TEST_DIR/$name.script"
  (cd "$TEST_DIR" && timeout -k 5 90 wine "$SIM_EXE" --script "$name.script" "$@") \
    >"$TEST_DIR/$name.raw" 2>"$TEST_DIR/$name.err"
  status=$?
  tr -d '\r' <"$TEST_DIR/$name.raw" >"$TEST_DIR/$name.out"
  expects=$(grep -cE '^[[:space:]]*expect[[:space:]]' "$TEST_DIR/$name.script")
  oks=$(grep -c ' ok line ' "$TEST_DIR/$name.out")
  sed "s/^/  $name| /" "$TEST_DIR/$name.out"
  if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
    echo "  $name: FAIL: the simulator did not end within 90 s"
    exit 1
  fi
  if [ "$expects" -eq 0 ]; then
    echo "  $name: FAIL: the script has no expect line, so it checks nothing"
    exit 1
  fi
  if [ "$status" -ne 0 ] || ! grep -q ' script passed$' "$TEST_DIR/$name.out" || [ "$oks" -ne "$expects" ]; then
    echo "  $name: FAIL: simulator exit status $status, $oks of $expects expectations confirmed"
    exit 1
  fi
  _wine_test_confirmed=$((_wine_test_confirmed + 1))
  return 0
}

# sim_value NAME KEY: the number after "KEY=" on the last output line with it.
sim_value() {
  grep -o "$2=[0-9.]*" "$TEST_DIR/$1.out" | tail -n 1 | cut -d= -f2
}
