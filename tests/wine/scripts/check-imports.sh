#!/usr/bin/env bash
# check-imports.sh EXE...
# Proves from the linked import table that each Windows program can load on
# Windows 2000 and XP SP3: only Windows' own DLLs, no function those systems
# lack, a PE subsystem version the old loaders accept, and (for the 32-bit
# panel) a size under 1 MB; and that the panel's version resource carries
# the release's version (the repository's VERSION file). Prints the problems of each program and then one
# verdict line "OK|FAIL name: ...". Exits 1 when any program fails.
set -u

# DLLs that Windows 2000 and XP ship (uxtheme.dll is missing on 2000).
allowed_dlls="kernel32 user32 gdi32 advapi32 shell32 comctl32 comdlg32 winmm ole32 oleaut32
msvcrt version shlwapi"

# Functions absent on Windows XP SP3: exact names or shell patterns.
xp_missing="GetTickCount64
InitializeSRWLock AcquireSRWLock* ReleaseSRWLock* TryAcquireSRWLock*
InitializeConditionVariable SleepConditionVariable* WakeConditionVariable WakeAllConditionVariable
InitOnce* Fls*
CreateSymbolicLink* GetFinalPathNameByHandle* GetSystemTimePreciseAsFileTime
QueryFullProcessImageName* GetLocaleInfoEx LCMapStringEx CompareStringEx
InitializeCriticalSectionEx CreateEventEx* CreateMutexEx* CreateSemaphoreEx* CreateWaitableTimerEx*
RegGetValue* RegDeleteTree* ChangeWindowMessageFilter* TaskDialog* LoadIconMetric
SHGetKnownFolderPath Shell_NotifyIconGetRect SetThreadStackGuarantee GetCurrentProcessorNumber*
GetUserDefaultLocaleName LocaleNameToLCID LCIDToLocaleName GetErrorMode
GetThreadId GetProcessIdOfThread FlushProcessWriteBuffers GetQueuedCompletionStatusEx CancelIoEx
GetFileInformationByHandleEx SetFileInformationByHandle *Threadpool*
_create_locale _wcreate_locale _free_locale _get_current_locale
SetProcessDPIAware SetProcessDpiAwareness* GetDpiFor* ShutdownBlockReason*
Wow64DisableWow64FsRedirection Wow64RevertWow64FsRedirection"

# Functions Windows 2000 lacks although XP has them.
w2k_missing="GetModuleHandleExA GetModuleHandleExW _aligned_* _fstat64 _wstat64 _stat64
AttachConsole GetProcessId IsWow64Process SetDllDirectory* GetNativeSystemInfo
EncodePointer DecodePointer AddVectoredExceptionHandler RemoveVectoredExceptionHandler
InitializeSListHead InterlockedPushEntrySList InterlockedPopEntrySList InterlockedFlushSList
QueryDepthSList HeapSetInformation GetSystemTimes RtlCaptureStackBackTrace
GetLogicalProcessorInformation"

panel_size_limit=1048576
release_version=$(head -n 1 "$(dirname "$0")/../../../VERSION")

matches_any() {  # name patterns...
  local name=$1 pattern
  shift
  for pattern in "$@"; do
    # shellcheck disable=SC2053
    [[ $name == $pattern ]] && return 0
  done
  return 1
}

check_one() {
  local exe=$1 name dump format objdump size problems=() dll_count=0 fn_count=0
  name=$(basename "$exe")
  if [ ! -f "$exe" ]; then
    echo "FAIL $name: no such file ($exe)"
    return 1
  fi
  format=$(x86_64-w64-mingw32-objdump -f "$exe" 2>/dev/null | sed -n 's/.*file format //p')
  case "$format" in
    pei-i386) objdump=i686-w64-mingw32-objdump ;;
    pei-x86-64) objdump=x86_64-w64-mingw32-objdump ;;
    *)
      echo "FAIL $name: not a Windows PE program (format '${format:-unknown}')"
      return 1
      ;;
  esac
  dump=$($objdump -p "$exe") || {
    echo "FAIL $name: objdump could not read it"
    return 1
  }
  size=$(stat -c %s "$exe")

  local major minor
  major=$(awk '$1 == "MajorSubsystemVersion" {print $2}' <<<"$dump")
  minor=$(awk '$1 == "MinorSubsystemVersion" {print $2}' <<<"$dump")
  if [ -z "$major" ] || [ -z "$minor" ]; then
    problems+=("no subsystem version in the PE header")
  elif [ "$major" -gt 5 ] || { [ "$major" -eq 5 ] && [ "$minor" -gt 1 ]; }; then
    problems+=("PE subsystem version $major.$minor: the Windows XP loader refuses above 5.1")
  fi

  # "DLL Name: X" starts a DLL; its functions follow as "<vma> <hint> <name>".
  local imports dll fn
  imports=$(awk '
    /^[ \t]*DLL Name:/ { dll = $3; print "DLL " dll; next }
    dll != "" && /^[ \t]*$/ { dll = ""; next }
    dll != "" && $1 ~ /^[0-9a-f]+$/ && NF >= 3 && $2 ~ /^[0-9]+$/ { print "FN " dll " " $3 }
  ' <<<"$dump")
  local -a allowed xp w2k
  read -r -a allowed <<<"$(echo $allowed_dlls)"
  read -r -a xp <<<"$(echo $xp_missing)"
  read -r -a w2k <<<"$(echo $w2k_missing)"
  while read -r kind dll fn; do
    [ -n "$kind" ] || continue
    if [ "$kind" = DLL ]; then
      dll_count=$((dll_count + 1))
      local base=${dll,,}
      base=${base%.dll}
      matches_any "$base" "${allowed[@]}" || problems+=("imports $dll, which is not a DLL of Windows 2000/XP itself")
      continue
    fi
    fn_count=$((fn_count + 1))
    if matches_any "$fn" "${xp[@]}"; then
      problems+=("imports $fn from $dll: absent on Windows XP SP3")
    elif [[ ${dll,,} == msvcrt.dll ]] && [[ $fn == *_s || $fn == *_l || $fn == _ftol2* ]]; then
      problems+=("imports $fn from $dll: absent from the msvcrt.dll of Windows XP")
    elif matches_any "$fn" "${w2k[@]}"; then
      problems+=("imports $fn from $dll: absent on Windows 2000")
    fi
  done <<<"$imports"
  if [ "$dll_count" -eq 0 ]; then
    problems+=("no import table found")
  fi

  if [ "$format" = pei-i386 ] && [ "$name" = UsbPhonePanel.exe ] && [ "$size" -gt "$panel_size_limit" ]; then
    problems+=("size $size bytes is above the 1 MB limit of the 32-bit panel")
  fi

  # The version block's strings are UTF-16: "FileVersion" and
  # "ProductVersion", each followed by its value.
  if [ "$name" = UsbPhonePanel.exe ]; then
    local key value
    for key in FileVersion ProductVersion; do
      value=$(strings -el "$exe" | grep -A1 -x "$key" | sed -n 2p)
      [ "$value" = "$release_version" ] ||
        problems+=("$key is '${value:-missing}', not the release's $release_version")
    done
  fi

  local summary="$format, $size bytes, subsystem ${major:-?}.${minor:-?}, $dll_count DLLs, $fn_count functions"
  [ "$name" != UsbPhonePanel.exe ] || summary+=", version $release_version"
  if [ ${#problems[@]} -eq 0 ]; then
    echo "OK   $name ($summary)"
    return 0
  fi
  local p
  for p in "${problems[@]}"; do echo "  $name: $p"; done
  echo "FAIL $name ($summary): ${#problems[@]} problem(s)"
  return 1
}

if [ $# -eq 0 ]; then
  echo "usage: $0 EXE..." >&2
  exit 2
fi
status=0
for exe in "$@"; do
  check_one "$exe" || status=1
done
exit $status
