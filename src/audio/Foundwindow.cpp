#include "audio/Foundwindow.h"

#include <cstring>

#include "platform/WinConst.h"

namespace audio {

using namespace platform;

namespace {

constexpr const char* kDialogClass = "#32770";
constexpr const char* kComboClass = "ComboBox";
constexpr const char* kButtonClass = "Button";

SoundDialogSearch& SearchOf(LParam lParam) {
    return *reinterpret_cast<SoundDialogSearch*>(lParam);
}

bool HasClass(Platform& ports, Hwnd hwnd, const char* className) {
    char buffer[MAX_PATH] = {};
    if (ports.processes.GetClassNameA(hwnd, buffer, MAX_PATH) == 0) return false;
    return std::strcmp(buffer, className) == 0;
}

// The Sound control panel is another program: one that hangs must hold up
// neither the worker nor, through it, the program's exit.
bool Send(Platform& ports, Hwnd hwnd, UInt msg, WParam wParam, LParam lParam,
          LResult* result = nullptr) {
    LResult answer = 0;
    const bool answered = ports.messages.SendMessageTimeoutA(
        hwnd, msg, wParam, lParam, SMTO_ABORTIFHUNG, kSoundPanelSendTimeoutMs, &answer);
    if (result) *result = answer;
    return answered;
}

void ClickButton(Platform& ports, Hwnd button) {
    Send(ports, button, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    Send(ports, button, WM_LBUTTONUP, 0, 0);
    Send(ports, button, WM_KILLFOCUS, 0, 0);
}

// Reads the selection, or sets it with the keystrokes the dialog needs to
// take a selection as the user's (also to set a read one back).
void SelectComboItem(Platform& ports, Hwnd combo, int& index, bool read, bool reselect) {
    if (read) {
        LResult selected = 0;
        index = Send(ports, combo, CB_GETCURSEL, 0, 0, &selected) ? static_cast<int>(selected) : -1;
    }
    if (read && !reselect) return;
    Send(ports, combo, WM_KEYDOWN, VK_UP, 0x01480001);
    Send(ports, combo, WM_KEYUP, VK_UP,
         static_cast<LParam>(static_cast<std::int32_t>(0xC1480001u)));
    Send(ports, combo, WM_KEYDOWN, VK_DOWN, 0x01500001);
    Send(ports, combo, WM_KEYUP, VK_DOWN,
         static_cast<LParam>(static_cast<std::int32_t>(0xC1500001u)));
    Send(ports, combo, CB_SETCURSEL, static_cast<WParam>(static_cast<std::intptr_t>(index)), 0);
    Send(ports, combo, WM_KILLFOCUS, 0, 0);
}

bool EnumComboProc(Hwnd child, LParam lParam) {
    SoundDialogSearch& search = SearchOf(lParam);
    if (HasClass(*search.ports, child, kComboClass))
        search.controls.AddCombo(search.ports->processes.GetDlgCtrlID(child), child);
    return true;
}

bool EnumPageProc(Hwnd child, LParam lParam) {
    SoundDialogSearch& search = SearchOf(lParam);
    if (HasClass(*search.ports, child, kDialogClass))
        search.ports->processes.EnumChildWindows(child, EnumComboProc, lParam);
    return true;
}

bool EnumButtonProc(Hwnd child, LParam lParam) {
    SoundDialogSearch& search = SearchOf(lParam);
    Platform& ports = *search.ports;
    if (!HasClass(ports, child, kButtonClass)) return true;
    const int id = ports.processes.GetDlgCtrlID(child);
    if (search.mode == 1) {
        if (id == kCancelButtonId) ClickButton(ports, child);
        return true;
    }
    search.controls.AddButton(id, child);
    return true;
}

bool EnumDialogProc(Hwnd window, LParam lParam) {
    SoundDialogSearch& search = SearchOf(lParam);
    Platform& ports = *search.ports;
    if (!HasClass(ports, window, kDialogClass)) return true;
    if (search.mode == 1) {
        ports.processes.EnumChildWindows(window, EnumButtonProc, lParam);
        return true;
    }
    DWord processId = 0;
    ports.windows.GetWindowThreadProcessId(window, &processId);
    if (processId != search.processId) return true;
    search.controls.Reset();
    ports.processes.EnumChildWindows(window, EnumPageProc, lParam);
    ports.processes.EnumChildWindows(window, EnumButtonProc, lParam);
    const SoundDialogControls& c = search.controls;
    if (!c.Complete()) return true;
    if (search.apply) {
        SelectComboItem(ports, c.playback, search.outIndex, false, false);
        SelectComboItem(ports, c.recording, search.inIndex, false, false);
        SelectComboItem(ports, c.third, search.thirdIndex, true, true);
        ClickButton(ports, c.ok);
    } else {
        SelectComboItem(ports, c.playback, search.outIndex, true, false);
        SelectComboItem(ports, c.recording, search.inIndex, true, false);
        ClickButton(ports, c.cancel);
    }
    search.found = true;
    return false;
}

}  // namespace

bool FindSoundDialog(SoundDialogSearch& search, int mode) {
    search.mode = mode;
    search.found = false;
    search.ports->processes.EnumWindows(EnumDialogProc, reinterpret_cast<LParam>(&search));
    return search.found;
}

TFindWindow::TFindWindow(Platform& platform, std::function<bool()> appEnding)
    : vcl::TThread(platform), appEnding_(std::move(appEnding)) {}

bool TFindWindow::Ending() const {
    return Terminated() || (appEnding_ && appEnding_());
}

void TFindWindow::Execute() {
    Platform& ports = Ports();
    while (!Ending()) {
        if (!FBusy) {
            ports.sync.Sleep(kWorkerIdleMs);
            continue;
        }
        SoundDialogSearch search;
        search.ports = &ports;
        search.apply = FApply;
        search.outIndex = FOutDev;
        search.inIndex = FInDev;
        // Windows refuses to close a desktop a thread is still on: the
        // worker goes back to its own desktop first.
        const Handle home = ports.processes.GetThreadDesktop(ThreadID());
        DesktopHandle desktop;
        SoundPanelRunEnd end = RunSoundPanel(search, desktop);
        if (desktop) {
            if (home) ports.processes.SetThreadDesktop(home);
            desktop.reset();
        }
        FInDev = search.inIndex;
        FOutDev = search.outIndex;
        if (Ending()) end = SoundPanelRunEnd::Ending;
        const UInt report = ReportFor(end);
        if (FNotifyWnd && report == WM_SYSDEFAULT_SUCCESS)
            ports.messages.SendMessageA(FNotifyWnd, report, static_cast<WParam>(FOutDev),
                                        static_cast<LParam>(FInDev));
        else if (FNotifyWnd && report == WM_SYSDEFAULT_FAIL)
            ports.messages.SendMessageA(FNotifyWnd, report, 0, 0);
        FBusy = false;
    }
}

SoundPanelRunEnd TFindWindow::RunSoundPanel(SoundDialogSearch& search, DesktopHandle& desktop) {
    Platform& ports = Ports();
    const std::string name = PrivateDesktopName(ThreadID());
    desktop = DesktopHandle(ports.processes, ports.processes.CreateDesktopA(name, 0, GENERIC_ALL));
    if (!desktop || !ports.processes.SetThreadDesktop(desktop.get()))
        return SoundPanelRunEnd::NoDesktop;
    FindSoundDialog(search, 1);
    const std::string dir = GetSystemDir(ports.processes);
    if (dir.empty()) return SoundPanelRunEnd::NoSystemDir;
    const std::string line = WorkerSoundPanelLine(GetWindowsKind(ports.processes));
    if (line.empty()) return SoundPanelRunEnd::UnsupportedWindows;
    ProcessInformation info;
    if (!StartSoundPanel(ports.processes, dir, line, name, &info))
        return SoundPanelRunEnd::StartFailed;
    const KernelHandle process(ports.sync, info.hProcess), thread(ports.sync, info.hThread);
    search.processId = info.dwProcessId;
    bool found = false;
    for (int poll = 0; poll < kSoundPanelPolls && !Ending(); ++poll) {
        if (FindSoundDialog(search, 0)) {
            found = true;
            break;
        }
        ports.sync.Sleep(kSoundPanelPollMs);
    }
    ports.processes.TerminateProcess(process.get(), 0);
    return found ? SoundPanelRunEnd::Found : SoundPanelRunEnd::NotFound;  // Execute sees Ending
}

}  // namespace audio
