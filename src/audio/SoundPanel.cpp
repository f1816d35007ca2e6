#include "audio/SoundPanel.h"

#include <cstdio>

#include "platform/MixerTypes.h"
#include "platform/WinConst.h"

namespace audio {

using namespace platform;

std::string PrivateDesktopName(DWord threadId) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(threadId));
    return std::string("Jov desktop ") + digits;
}

int WindowsKindOf(bool known, const OsVersionInfoA& version) {
    if (!known || version.dwPlatformId != VER_PLATFORM_WIN32_NT) return 0;
    if (version.dwMajorVersion == 5 && version.dwMinorVersion == 0) return 1;
    // NT 5.2 (XP x64, Server 2003) has XP's Sound control panel: for the
    // 64-bit build it is the only XP there is.
    if (version.dwMajorVersion == 5 && (version.dwMinorVersion == 1 || version.dwMinorVersion == 2))
        return 2;
    if (version.dwMajorVersion == 6 && version.dwMinorVersion == 0) return 3;
    return 0;
}

bool IsVistaOrLaterOf(bool known, const OsVersionInfoA& version) {
    return known && version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 6;
}

int GetWindowsKind(ProcessPort& processes) {
    OsVersionInfoA version;
    const bool known = processes.GetVersionExA(&version);
    return WindowsKindOf(known, version);
}

bool IsVistaOrLater(ProcessPort& processes) {
    OsVersionInfoA version;
    const bool known = processes.GetVersionExA(&version);
    return IsVistaOrLaterOf(known, version);
}

std::string GetSystemDir(ProcessPort& processes) {
    char buffer[MAX_PATH] = {};
    const UInt length = processes.GetSystemDirectoryA(buffer, MAX_PATH);
    // A folder longer than the buffer is no folder the line could name.
    if (length == 0 || length >= MAX_PATH) return std::string();
    return std::string(buffer, length);
}

std::string WorkerSoundPanelLine(int windowsKind) {
    if (windowsKind == 2) return kSoundPanelLineXp;
    if (windowsKind == 1) return kSoundPanelLine2000;
    return std::string();
}

std::string ButtonSoundPanelLine(int windowsKind, bool vistaOrLater) {
    if (windowsKind == 2) return kSoundPanelLineXp;
    if (vistaOrLater) return kSoundPanelLineVista;
    return kSoundPanelLine2000;
}

std::string InSystemDir(const std::string& dir, const std::string& line) {
    return dir.empty() ? line : dir + "\\" + line;
}

bool StartSoundPanel(ProcessPort& processes, const std::string& dir, const std::string& line,
                     const std::string& desktop, ProcessInformation* info) {
    StartupInfoA startup;
    startup.desktop = desktop;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USEPOSITION;
    startup.wShowWindow = SW_HIDE;
    return processes.CreateProcessA(InSystemDir(dir, line), true,
                                    CREATE_NEW_CONSOLE | HIGH_PRIORITY_CLASS, dir, startup, info);
}

void SoundDialogControls::AddCombo(int id, Hwnd hwnd) {
    Hwnd* slot = id == kPlaybackComboId    ? &playback
                 : id == kRecordingComboId ? &recording
                 : id == kThirdComboId     ? &third
                                           : nullptr;
    if (!slot) return;
    ++comboCount;
    *slot = hwnd;
}

bool SoundDialogControls::AddButton(int id, Hwnd hwnd) {
    if (id != kOkButtonId && id != kCancelButtonId) return false;
    ++buttonCount;
    (id == kOkButtonId ? ok : cancel) = hwnd;
    return true;
}

bool SoundDialogControls::Complete() const {
    return comboCount == 3 && buttonCount == 2 && playback && recording && third && ok && cancel;
}

UInt ReportFor(SoundPanelRunEnd end) {
    switch (end) {
        case SoundPanelRunEnd::Found:
            return WM_SYSDEFAULT_SUCCESS;
        case SoundPanelRunEnd::Ending:
            return 0;
        default:
            return WM_SYSDEFAULT_FAIL;
    }
}

std::string EndpointDeviceName(const std::string& endpoint, const std::vector<TMixerName>& names) {
    const std::string cut = endpoint.substr(0, kMaxPnameLen - 1);
    for (const TMixerName& name : names)
        if (name.Name == cut) return name.Name;
    return endpoint;
}

}  // namespace audio
