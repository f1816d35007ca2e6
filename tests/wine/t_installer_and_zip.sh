#!/usr/bin/env bash
# The release packages (make dist) as a user meets them. The win64 installer
# runs silently with the handset simulator chosen: the program, its guide,
# the default tone, the simulator, the Start-menu shortcut, the Run entry and
# the Add/Remove Programs entry are there; the installed panel starts from
# its folder, lists "mute.wav" and "ring_in.wav", writes its data files
# there, and the installed simulator links to it. Installing again while it
# runs ends it, keeps a tone added in between and the chosen tone, and
# starts it again. The silent uninstaller removes the program, the shortcut,
# the Run entry and the uninstall entry and keeps the user's tones. The zip,
# unpacked into a folder, starts the same way. The win32 installer is a
# 32-bit program of the same size class (Wine here runs 64-bit programs only).
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin installer_and_zip
version=$(head -n 1 "$WINE_TEST_REPO/VERSION")
dist="$WINE_TEST_REPO/dist"
setup64="$dist/UsbPhonePanel-$version-win64-setup.exe"
setup32="$dist/UsbPhonePanel-$version-win32-setup.exe"
zip64="$dist/UsbPhonePanel-$version-win64.zip"
for package in "$setup64" "$setup32" "$zip64"; do
  [ -f "$package" ] || { echo "FAIL: missing $package (make dist)"; exit 1; }
done
fail() { echo "FAIL: $*"; exit 1; }
x86_64-w64-mingw32-objdump -f "$setup32" | grep -q 'pei-i386' || fail "the win32 installer is not a 32-bit program"
x86_64-w64-mingw32-objdump -f "$setup64" | grep -q 'pei-x86-64' || fail "the win64 installer is not a 64-bit program"
# Both builds ship the same files (the installers come from one script).
zip32="$dist/UsbPhonePanel-$version-win32.zip"
[ "$(unzip -Z1 "$zip32" | sort)" = "$(unzip -Z1 "$zip64" | sort)" ] ||
  fail "the win32 and win64 zips hold different files"
unzip -p "$zip64" "USB Phone Control Panel/User Guide.txt" | grep -q "UsbPhonePanel-$version-win64-setup.exe" ||
  fail "the guide in the zip does not name this release's packages"

# Wine names the Windows user after $USER, or the Unix account without it.
user_dir=$(winepath -u 'C:\users' 2>/dev/null)/${USER:-$(id -un)}
[ -d "$user_dir/AppData" ] || fail "no user folder in the prefix ($user_dir)"
install="$user_dir/AppData/Local/Programs/USB Phone Control Panel"
menu="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/USB Phone Control Panel"
rm -rf "$install" "$menu"
win_install='C:\users\'"$(basename "$user_dir")"'\AppData\Local\Programs\USB Phone Control Panel'
script_install=${win_install//\\/\\\\}
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\UsbPhonePanel'

wine "$setup64" /S /SIMULATOR || fail "the installer exited with $?"
for f in UsbPhonePanel.exe "User Guide.txt" Uninstall.exe ring/ring_in.wav tools/HandsetSim.exe tools/HandsetSimDrop.dll; do
  [ -f "$install/$f" ] || fail "the installer did not install $f"
done
[ -f "$menu/USB Phone Control Panel.lnk" ] || fail "no Start-menu shortcut"
wine reg query "$run_key" /v "USB Phone Control Panel" 2>/dev/null | grep -q 'UsbPhonePanel.exe' ||
  fail "no Run entry"
wine reg query "$uninstall_key" /v DisplayVersion 2>/dev/null | grep -q "$version" ||
  fail "no Add/Remove Programs entry with version $version"

# The installed simulator drives the installed panel.
cat >"$TEST_DIR/installed.script" <<SCRIPT
start panel "$script_install\\\\UsbPhonePanel.exe"
expect attach-ack within 8000
expect tray-icon within 3000
status present skype
expect command "GET AUDIO_OUT" within 3000
send-request show 51772 0x5A1C7E93
expect panel-visible within 3000
select-tab 2
expect list 2 "mute.wav|ring_in.wav" within 3000
keep panel
SCRIPT
(cd "$TEST_DIR" && timeout -k 5 90 wine "$install/tools/HandsetSim.exe" --script installed.script) \
  >"$TEST_DIR/installed.out" 2>&1
sed 's/^/  installed| /' "$TEST_DIR/installed.out" | tr -d '\r'
wine_test_confirm "$TEST_DIR/installed.out"
for f in ring.jov urlList.jov defaultWeb.jov ring/mute.wav; do
  [ -f "$install/$f" ] || fail "the installed panel did not write $f in its folder"
done

# Installed again over a running panel: it ends, the user's tone and choice
# stay, and it runs again afterwards.
cp "$install/ring/ring_in.wav" "$install/ring/mine.wav"
printf '%s\r\n' "$win_install\\ring\\mine.wav" >"$install/ring.jov"
wine "$setup64" /S || fail "the second install exited with $?"
[ -f "$install/ring/mine.wav" ] || fail "the second install removed the user's tone"
grep -q 'mine.wav' "$install/ring.jov" || fail "the second install changed the chosen tone"
sim_run again <<'SCRIPT'
auto-discover off
find-panel within 8000
expect panel
SCRIPT
# A panel, and not the one from before: it was ended and started again.
before=$(tr -d '\r' <"$TEST_DIR/installed.out" | sed -n 's/.*received greeting wparam=\(0x[0-9A-F]*\).*/\1/p' | head -n 1)
after=$(sed -n 's/.* found panel \(0x[0-9A-F]*\).*/\1/p' "$TEST_DIR/again.out" | head -n 1)
[ -n "$before" ] && [ -n "$after" ] || fail "the panel's windows were not seen ($before, $after)"
[ "$before" != "$after" ] || fail "the second install left the running panel as it was"

# The silent uninstaller keeps the user's data and removes the rest. It
# runs from a copy of itself in the temporary folder and returns at once:
# wait for the program to go.
wine "$install/Uninstall.exe" /S || fail "the uninstaller exited with $?"
for _ in $(seq 1 60); do
  [ -f "$install/UsbPhonePanel.exe" ] || [ -f "$install/Uninstall.exe" ] || break
  sleep 0.5
done
[ ! -f "$install/UsbPhonePanel.exe" ] || fail "the uninstaller left the program"
[ ! -f "$install/User Guide.txt" ] || fail "the uninstaller left the guide"
[ ! -f "$menu/USB Phone Control Panel.lnk" ] || fail "the uninstaller left the shortcut"
! wine reg query "$run_key" /v "USB Phone Control Panel" >/dev/null 2>&1 || fail "the Run entry is left"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstall entry is left"
[ -f "$install/ring/mine.wav" ] && [ -f "$install/ring.jov" ] ||
  fail "the silent uninstaller removed the user's tones or choice"
rm -rf "$install"

# The zip, unpacked into a folder the user can write.
unzip -q "$zip64" -d "$TEST_DIR/unpacked"
[ -f "$TEST_DIR/unpacked/USB Phone Control Panel/UsbPhonePanel.exe" ] || fail "the zip holds no program"
sim_run zip <<'SCRIPT'
start panel "unpacked\\USB Phone Control Panel\\UsbPhonePanel.exe"
expect attach-ack within 8000
send-request show 51772 0x5A1C7E93
expect panel-visible within 3000
select-tab 2
expect list 2 "mute.wav|ring_in.wav" within 3000
SCRIPT
[ -f "$TEST_DIR/unpacked/USB Phone Control Panel/ring.jov" ] || fail "the unpacked panel wrote no ring.jov"
echo "packages: $(stat -c '%n %s' "$setup32" "$setup64" "$zip64" | sed "s|$dist/||g" | tr '\n' ' ')"
