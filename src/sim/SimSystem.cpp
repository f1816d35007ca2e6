#include "sim/SimSystem.h"

#include "platform/WinConst.h"
#include "sim/SimWorld.h"

namespace sim {

using namespace platform;

namespace {

constexpr int kRoleOk = 3, kRoleCancel = 4, kRolePageButton = 5, kRoleFrame = 6;
constexpr int kComboIds[3] = {6662, 6663, 6664};
const char* const kDefaultDesktop = "Default";

bool NamesSoundPanel(const std::string& commandLine) {
    return commandLine.find("mmsys.cpl") != std::string::npos;
}

}  // namespace

class SimSystem::ControlTarget : public WindowProcTarget {
public:
    ControlTarget(SimSystem& system, SimSoundDialog& dialog, int role)
        : system_(system), dialog_(dialog), role_(role) {}
    LResult WindowProc(Hwnd, UInt msg, WParam wParam, LParam lParam) override {
        return system_.ControlMessage(dialog_, role_, msg, wParam, lParam);
    }

private:
    SimSystem& system_;
    SimSoundDialog& dialog_;
    int role_;
};

SimSystem::SimSystem(SimWorld& world) : world_(world) {}
SimSystem::~SimSystem() = default;

std::string SimSystem::DesktopOf(DWord tid) const {
    const auto it = threadDesktops_.find(tid);
    return it == threadDesktops_.end() ? kDefaultDesktop : it->second;
}

std::string SimSystem::WindowDesktop(Hwnd hwnd) const {
    const auto it = windowDesktops_.find(hwnd);
    return it == windowDesktops_.end() ? kDefaultDesktop : it->second;
}

SimSoundDialog* SimSystem::DialogOfProcess(DWord pid) {
    for (auto& dialog : dialogs)
        if (dialog->pid == pid) return dialog.get();
    return nullptr;
}

Handle SimSystem::CreateDesktop(const std::string& name) {
    if (createDesktopFails) return 0;
    desktopsCreated.push_back(name);
    const Handle handle = nextHandle_ += 4;
    desktops_[handle] = name;
    return handle;
}

Handle SimSystem::ThreadDesktop(DWord tid) const {
    const auto on = threadDesktops_.find(tid);
    if (on == threadDesktops_.end()) return kDefaultDesktopHandle;
    for (const auto& [handle, name] : desktops_)
        if (name == on->second) return handle;
    return 0;
}

bool SimSystem::SetThreadDesktop(DWord tid, Handle desktop) {
    if (setThreadDesktopFails) return false;
    if (desktop == kDefaultDesktopHandle) {
        threadDesktops_.erase(tid);
        return true;
    }
    const auto it = desktops_.find(desktop);
    if (it == desktops_.end()) return false;
    threadDesktops_[tid] = it->second;
    return true;
}

bool SimSystem::InUse(Handle desktop) const {
    const auto it = desktops_.find(desktop);
    if (it == desktops_.end()) return false;
    for (const auto& [tid, name] : threadDesktops_) {
        const SimThread* thread = world_.FindThread(tid);
        if (name == it->second && thread && !thread->exited) return true;
    }
    return false;
}

bool SimSystem::CloseDesktop(Handle desktop) {
    return desktops_.erase(desktop) != 0;
}

bool SimSystem::CreateProcess(const SimLaunch& request, ProcessInformation* info) {
    if (createProcessFails) return false;
    SimLaunch launch = request;
    launch.pid = world_.NewProcessId();
    const DWord tid = world_.NewThread(launch.pid);
    launch.process = nextHandle_ += 4;
    processHandles_[launch.process] = launch.pid;
    const Handle thread = nextHandle_ += 4;
    processHandles_[thread] = launch.pid;
    if (info) *info = ProcessInformation{launch.process, thread, launch.pid, tid};
    launches.push_back(launch);
    if (!NamesSoundPanel(launch.commandLine) || !soundPanel.present) return true;
    dialogs.push_back(std::make_unique<SimSoundDialog>());
    SimSoundDialog& dialog = *dialogs.back();
    dialog.pid = launch.pid;
    dialog.tid = tid;
    dialog.process = launch.process;
    dialog.desktop = launch.startup.desktop.empty() ? kDefaultDesktop : launch.startup.desktop;
    dialog.selection = soundPanel.selection;
    if (soundPanel.showAfterMs == 0) {
        ShowDialog(dialog);
    } else {
        world_.At(world_.Now() + soundPanel.showAfterMs, [this, &dialog] {
            if (!dialog.terminated) ShowDialog(dialog);
        });
    }
    return true;
}

SimSoundDialog& SimSystem::AddLeftoverDialog(const std::string& desktop) {
    dialogs.push_back(std::make_unique<SimSoundDialog>());
    SimSoundDialog& dialog = *dialogs.back();
    dialog.pid = world_.NewProcessId();
    dialog.tid = world_.NewThread(dialog.pid);
    dialog.desktop = desktop;
    dialog.selection = soundPanel.selection;
    ShowDialog(dialog);
    return dialog;
}

Hwnd SimSystem::Create(SimSoundDialog& dialog, const std::string& className, Hwnd parent, int id,
                       int role) {
    targets_.push_back(std::make_unique<ControlTarget>(*this, dialog, role));
    WindowCreateParams params;
    params.className = className;
    params.parent = parent;
    params.id = id;
    if (parent) params.style = WS_CHILD;
    const Hwnd hwnd = world_.CreateWindow(dialog.tid, params, targets_.back().get());
    windowDesktops_[hwnd] = dialog.desktop;
    return hwnd;
}

void SimSystem::ShowDialog(SimSoundDialog& dialog) {
    dialog.shown = true;
    dialog.sheet = Create(dialog, "#32770", 0, 0, kRoleFrame);
    dialog.page = Create(dialog, "#32770", dialog.sheet, 0, kRoleFrame);
    for (int i = 0; i < 3; ++i)
        dialog.combos[i] = Create(dialog, "ComboBox", dialog.page, kComboIds[i], i);
    for (int id : soundPanel.pageButtonIds)
        Create(dialog, "Button", dialog.page, id, kRolePageButton);
    dialog.ok = Create(dialog, "Button", dialog.sheet, 1, kRoleOk);
    dialog.cancel = Create(dialog, "Button", dialog.sheet, 2, kRoleCancel);
    if (!soundPanel.hung) return;
    world_.Window(dialog.sheet)->hung = true;
    for (Hwnd hwnd : world_.windows.Descendants(dialog.sheet)) world_.Window(hwnd)->hung = true;
}

void SimSystem::CloseDialog(SimSoundDialog& dialog) {
    if (dialog.closed || !dialog.sheet) return;
    dialog.closed = true;
    // The sheet goes once the button's click has returned, as a dialog ends.
    const Hwnd sheet = dialog.sheet;
    world_.At(world_.Now(), [this, sheet] {
        if (world_.Window(sheet)) world_.DestroyWindow(sheet);
    });
}

LResult SimSystem::ControlMessage(SimSoundDialog& dialog, int role, UInt msg, WParam wParam,
                                  LParam lParam) {
    if (role < 3) {
        dialog.comboMessages.push_back({role, msg, wParam, lParam});
        if (msg == CB_GETCURSEL) return dialog.selection[role];
        if (msg == CB_SETCURSEL) return dialog.selection[role] = static_cast<int>(wParam);
        return 0;
    }
    if (msg != WM_LBUTTONUP || dialog.closed) return 0;
    if (role == kRoleOk) {
        ++dialog.okClicks;
        CloseDialog(dialog);
    } else if (role == kRoleCancel) {
        ++dialog.cancelClicks;
        CloseDialog(dialog);
    }
    return 0;
}

bool SimSystem::TerminateProcess(Handle process) {
    const auto it = processHandles_.find(process);
    if (it == processHandles_.end()) return false;
    const DWord pid = it->second;
    if (SimSoundDialog* dialog = DialogOfProcess(pid)) dialog->terminated = true;
    for (DWord tid : world_.ThreadsOf(pid))
        if (!world_.Thread(tid).exited) world_.EndThread(tid);
    return true;
}

bool SimSystem::CloseHandle(Handle object) {
    return processHandles_.erase(object) != 0;
}

std::vector<Hwnd> SimSystem::TopLevelOnDesktopOf(DWord tid) const {
    const std::string desktop = DesktopOf(tid);
    std::vector<Hwnd> found;
    for (Hwnd hwnd : world_.windows.TopLevel())
        if (WindowDesktop(hwnd) == desktop) found.push_back(hwnd);
    return found;
}

}  // namespace sim
