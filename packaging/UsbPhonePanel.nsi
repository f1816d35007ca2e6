; The installer of the USB Phone Control Panel, for one user, without
; administrator rights. One script for both programs:
;   makensis -DARCH=win32|win64 -DVERSION=x.y.z -DSTAGE=folder -DOUTDIR=folder UsbPhonePanel.nsi
; STAGE holds what is installed: UsbPhonePanel.exe, "User Guide.txt",
; ring\ring_in.wav, tools\HandsetSim.exe and tools\HandsetSimDrop.dll.
;
; The program keeps its chosen tone ("ring.jov"), its shortcut files and the
; "ring" folder beside itself, so it goes into a folder the user can write:
; by default under the user's local application data.

Unicode true
!ifndef ARCH | VERSION | STAGE | OUTDIR
  !error "define ARCH, VERSION, STAGE and OUTDIR"
!endif
!if "${ARCH}" == "win64"
  Target amd64-unicode
!else if "${ARCH}" == "win32"
  Target x86-unicode
!else
  !error "ARCH is win32 or win64"
!endif

!define PRODUCT "USB Phone Control Panel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\UsbPhonePanel"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SETTINGS_KEY "Software\KESTAV\USB_PHONE_R62"
; The running panel: its owner window, and the quit request a second start
; with "JovDestroyMode" sends it (WM_USER + 111 with its signature).
!define PANEL_CLASS "TApplication"
!define PANEL_TITLE "USB Phone keyboard UI"

Name "${PRODUCT}"
OutFile "${OUTDIR}\UsbPhonePanel-${VERSION}-${ARCH}-setup.exe"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "USB Phone Control Panel"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh

Var WasRunning

!define MUI_ICON "${STAGE}\..\app.ico"
!define MUI_UNICON "${STAGE}\..\app.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\UsbPhonePanel.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start now"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\User Guide.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Ends a running panel before its files are replaced or removed: a start of
; the installed program with "JovDestroyMode" asks it to end (the request
; itself where no installed program is there yet), then the wait for its
; process, since that start returns before the panel has ended.
!macro END_RUNNING_PANEL un
Function ${un}EndRunningPanel
  StrCpy $WasRunning 0
  FindWindow $0 "${PANEL_CLASS}" "${PANEL_TITLE}"
  ${If} $0 == 0
    Return
  ${EndIf}
  StrCpy $WasRunning 1
  System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1) i'
  ; SYNCHRONIZE
  System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2'
  ${If} ${FileExists} "$INSTDIR\UsbPhonePanel.exe"
    ExecWait '"$INSTDIR\UsbPhonePanel.exe" JovDestroyMode'
  ${Else}
    SendMessage $0 1135 51772 0x5A1C7E93 /TIMEOUT=3000
  ${EndIf}
  ${If} $2 P<> 0
    System::Call 'kernel32::WaitForSingleObject(p r2, i 10000) i .r3'
    System::Call 'kernel32::CloseHandle(p r2)'
  ${EndIf}
FunctionEnd
!macroend
!insertmacro END_RUNNING_PANEL ""
!insertmacro END_RUNNING_PANEL "un."

Section "${PRODUCT}" SecProgram
  SectionIn RO
  Call EndRunningPanel
  SetOutPath "$INSTDIR"
  File "${STAGE}\UsbPhonePanel.exe"
  File "${STAGE}\User Guide.txt"
  ; The default tone; a tone of that name the user put there stays.
  SetOutPath "$INSTDIR\ring"
  SetOverwrite off
  File "${STAGE}\ring\ring_in.wav"
  SetOverwrite on
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\UsbPhonePanel.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\User Guide.lnk" "$INSTDIR\User Guide.txt"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\UsbPhonePanel.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ; Set again by the next section when it is chosen.
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
SectionEnd

Section "Start with Windows" SecRun
  WriteRegStr HKCU "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\UsbPhonePanel.exe"'
SectionEnd

Section /o "Handset simulator" SecSimulator
  SetOutPath "$INSTDIR\tools"
  File "${STAGE}\tools\HandsetSim.exe"
  File "${STAGE}\tools\HandsetSimDrop.dll"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Handset simulator.lnk" "$INSTDIR\tools\HandsetSim.exe"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "The panel, its default ring tone and its guide."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecRun} "Start the panel when you log on."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecSimulator} "A stand-in for the handset's driver, to try the panel without the handset."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; "/SIMULATOR" on the command line chooses the handset simulator too (for a
; silent install: "/S /SIMULATOR").
Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/SIMULATOR" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecSimulator}
  ${EndIf}
FunctionEnd

; A panel that was running is started again (the finish page's "Start now"
; does it for an interactive install).
Function .onInstSuccess
  ${If} $WasRunning == 1
  ${AndIf} ${Silent}
    Exec '"$INSTDIR\UsbPhonePanel.exe"'
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.EndRunningPanel
  Delete "$INSTDIR\UsbPhonePanel.exe"
  Delete "$INSTDIR\User Guide.txt"
  Delete "$INSTDIR\ring\mute.wav"
  Delete "$INSTDIR\tools\HandsetSim.exe"
  Delete "$INSTDIR\tools\HandsetSimDrop.dll"
  RMDir "$INSTDIR\tools"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\User Guide.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Handset simulator.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; The user's own tones, chosen tone, shortcuts and settings go only when
  ; the user says so (a silent uninstall keeps them).
  MessageBox MB_YESNO|MB_ICONQUESTION "Also remove your ring tones, your chosen tone, your web shortcuts and your settings?" /SD IDNO IDNO keep
    RMDir /r "$INSTDIR\ring"
    Delete "$INSTDIR\ring.jov"
    Delete "$INSTDIR\urlList.jov"
    Delete "$INSTDIR\defaultWeb.jov"
    DeleteRegKey HKCU "${SETTINGS_KEY}"
  keep:
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR\ring"
  RMDir "$INSTDIR"
SectionEnd
