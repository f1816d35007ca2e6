// What the default-device query decides without a window: the Sound control
// panel's command lines, the private desktop's name, which Windows this is,
// the dialog's controls as the search counts them, what a run's end reports,
// and which device the audio endpoint's name stands for.
#pragma once

#include <string>
#include <vector>

#include "audio/Audiomixer.h"
#include "platform/ProcessPort.h"
#include "platform/WinTypes.h"

namespace audio {

constexpr const char* kSoundPanelLineXp = "rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl,,2";
constexpr const char* kSoundPanelLine2000 = "rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl,,1";
// Windows Vista and later: the playback page.
constexpr const char* kSoundPanelLineVista = "rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl,,0";

constexpr int kPlaybackComboId = 6662;
constexpr int kRecordingComboId = 6663;
constexpr int kThirdComboId = 6664;
constexpr int kOkButtonId = 1;
constexpr int kCancelButtonId = 2;

// "Jov desktop " and the thread's identifier in eight upper-case hex digits.
std::string PrivateDesktopName(platform::DWord threadId);

// 1 Windows 2000, 2 XP (NT 5.1, and 5.2: XP x64 and Server 2003), 3 Vista,
// 0 anything else (also when unknown).
int WindowsKindOf(bool known, const platform::OsVersionInfoA& version);
// Windows NT 6.0 or later, where the Sound control panel has another form.
bool IsVistaOrLaterOf(bool known, const platform::OsVersionInfoA& version);
int GetWindowsKind(platform::ProcessPort& processes);
bool IsVistaOrLater(platform::ProcessPort& processes);
// The system folder; empty when it cannot be read.
std::string GetSystemDir(platform::ProcessPort& processes);

// The worker's line by Windows kind: empty where it knows no dialog.
std::string WorkerSoundPanelLine(int windowsKind);
// The button's line: XP's on XP, the playback page on Vista and later,
// Windows 2000's on every other.
std::string ButtonSoundPanelLine(int windowsKind, bool vistaOrLater);
// dir + "\" + line, or the line alone without a folder.
std::string InSystemDir(const std::string& dir, const std::string& line);
// Starts the Sound control panel hidden, from the system folder dir, on the
// named desktop (empty: the caller's); false when it did not start.
bool StartSoundPanel(platform::ProcessPort& processes, const std::string& dir,
                     const std::string& line, const std::string& desktop,
                     platform::ProcessInformation* info);

// The sheet's controls as the search walks them: combo boxes by identifier
// into their slots, OK and Cancel; every one found counts, so a page's own
// button with identifier 1 or 2 throws the button count off.
struct SoundDialogControls {
    int comboCount = 0;
    int buttonCount = 0;
    platform::Hwnd playback = 0, recording = 0, third = 0, ok = 0, cancel = 0;

    void Reset() { *this = SoundDialogControls(); }
    void AddCombo(int id, platform::Hwnd hwnd);
    // Counts and keeps OK (1) and Cancel (2); false for other identifiers.
    bool AddButton(int id, platform::Hwnd hwnd);
    // Exactly three combo boxes, two buttons and all five handles.
    bool Complete() const;
};

// How a run of the worker ended.
enum class SoundPanelRunEnd {
    Found,
    NoDesktop,  // the desktop could not be created or assigned
    NoSystemDir,
    UnsupportedWindows,  // neither 2000 nor XP
    StartFailed,         // CreateProcessA failed
    NotFound,            // no dialog in 3000 polls
    Ending,              // the thread or the application is ending
};
// The message that reports it; 0 for none.
platform::UInt ReportFor(SoundPanelRunEnd end);

// The button's text for the default render endpoint's name: the first
// mixer device whose name is the endpoint's cut to the mixer's 31
// characters, or the endpoint's own name.
std::string EndpointDeviceName(const std::string& endpoint, const std::vector<TMixerName>& names);

}  // namespace audio
