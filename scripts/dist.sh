#!/usr/bin/env bash
# make dist: the release packages in dist/, from the Windows builds
# (build/win32, build/win64) and the native tool that makes the default
# ring tone (build/native):
#   UsbPhonePanel-VERSION-win32-setup.exe, -win64-setup.exe (NSIS, one script)
#   UsbPhonePanel-VERSION-win32.zip, -win64.zip (the same files in a folder)
# Each holds the program, "User Guide.txt" (docs/USER-GUIDE.md with Windows
# line ends), ring\ring_in.wav and, as an optional tool, the handset
# simulator (tools\ in the zip; an installer component, off by default).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
version=$(head -n 1 "$repo/VERSION")
out="$repo/dist"
work="$repo/build/dist"
rm -rf "$work" && mkdir -p "$work" "$out"
rm -f "$out"/UsbPhonePanel-*

"$repo/build/native/bin/make_ring_tone" "$work/ring_in.wav"
cp "$repo/src/win32/res/app.ico" "$work/app.ico"
# The guide with this release's version in the packages' names, and
# Windows line ends (Notepad on older Windows shows nothing else).
sed -e "s/<version>/$version/g" -e 's/$/\r/' "$repo/docs/USER-GUIDE.md" >"$work/User Guide.txt"

for arch in win32 win64; do
  bin="$repo/build/$arch/bin"
  stage="$work/$arch"
  mkdir -p "$stage/ring" "$stage/tools"
  cp "$bin/UsbPhonePanel.exe" "$stage/"
  cp "$work/User Guide.txt" "$stage/"
  cp "$work/ring_in.wav" "$stage/ring/"
  cp "$bin/HandsetSim.exe" "$bin/HandsetSimDrop.dll" "$stage/tools/"
  makensis -V2 -DARCH="$arch" -DVERSION="$version" -DSTAGE="$stage" -DOUTDIR="$out" \
    "$repo/packaging/UsbPhonePanel.nsi"
  # The zip unpacks into a folder of the program's name.
  folder="$work/zip-$arch/USB Phone Control Panel"
  mkdir -p "$folder"
  cp -r "$stage/." "$folder/"
  (cd "$work/zip-$arch" && zip -q -r -X "$out/UsbPhonePanel-$version-$arch.zip" "USB Phone Control Panel")
done
for package in "$out"/UsbPhonePanel-"$version"-*; do
  printf '%-45s %9d bytes\n' "$(basename "$package")" "$(stat -c %s "$package")"
done
