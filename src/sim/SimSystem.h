// Desktops, started processes and the system's facts in the simulated
// Windows, with a stand-in for the Sound control panel: the program it
// starts shows (or does not) a property sheet whose page holds the three
// default-device combo boxes, scripted by tests.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/ProcessPort.h"
#include "platform/WinTypes.h"
#include "platform/WindowPort.h"

namespace sim {

class SimWorld;

// One CreateProcessA that succeeded, as the caller asked for it.
struct SimLaunch {
    std::string commandLine;
    std::string currentDirectory;
    bool inheritHandles = false;
    platform::DWord creationFlags = 0;
    platform::StartupInfoA startup;
    platform::DWord pid = 0;
    platform::Handle process = 0;
};

// A stand-in Sound control panel's dialog, with what was done to it.
struct SimSoundDialog {
    platform::DWord pid = 0;
    platform::DWord tid = 0;
    platform::Handle process = 0;  // 0 for a leftover of an earlier run
    std::string desktop;
    bool shown = false;
    bool closed = false;
    bool terminated = false;
    platform::Hwnd sheet = 0;
    platform::Hwnd page = 0;
    std::array<platform::Hwnd, 3> combos{};  // 6662, 6663, 6664
    std::array<int, 3> selection{};
    platform::Hwnd ok = 0, cancel = 0;
    int okClicks = 0, cancelClicks = 0;
    // Every message a combo box received: (combo index, msg, wParam, lParam).
    struct ComboMessage {
        int combo;
        platform::UInt msg;
        platform::WParam wParam;
        platform::LParam lParam;
    };
    std::vector<ComboMessage> comboMessages;
};

class SimSystem {
public:
    static constexpr platform::Handle kDefaultDesktopHandle = 0x30;

    explicit SimSystem(SimWorld& world);
    ~SimSystem();
    SimSystem(const SimSystem&) = delete;
    SimSystem& operator=(const SimSystem&) = delete;

    // --- What tests set ------------------------------------------------------
    // GetVersionExA's answer; Windows XP by default.
    platform::OsVersionInfoA version{5, 1, 2600, 2};
    bool versionFails = false;
    std::string systemDirectory = "C:\\WINDOWS\\system32";
    bool createDesktopFails = false;
    bool setThreadDesktopFails = false;
    bool createProcessFails = false;
    // CreateThread refuses every new thread.
    bool createThreadFails = false;
    // The default render endpoint's friendly name; none when empty.
    std::string renderEndpoint;

    // How the stand-in control panel behaves when a command line names
    // mmsys.cpl.
    struct SoundPanelScript {
        bool present = true;                      // false: the program starts but shows nothing
        std::uint64_t showAfterMs = 0;            // 0: shown when the process starts
        std::array<int, 3> selection{{0, 0, 0}};  // of 6662, 6663, 6664
        // Buttons inside the page besides the sheet's OK and Cancel.
        std::vector<int> pageButtonIds;
        // The panel hangs once shown: its windows answer no sent message.
        bool hung = false;
    } soundPanel;

    // A dialog of an earlier, interrupted run, left on desktop.
    SimSoundDialog& AddLeftoverDialog(const std::string& desktop);

    // --- What tests read -------------------------------------------------------
    std::vector<SimLaunch> launches;
    std::vector<std::unique_ptr<SimSoundDialog>> dialogs;
    std::vector<std::string> desktopsCreated;
    // Desktops and handles the programs still hold.
    std::size_t OpenDesktops() const { return desktops_.size(); }
    std::size_t OpenProcessHandles() const { return processHandles_.size(); }
    // The desktop a thread belongs to ("Default" unless it was moved).
    std::string DesktopOf(platform::DWord tid) const;
    std::string WindowDesktop(platform::Hwnd hwnd) const;
    SimSoundDialog* DialogOfProcess(platform::DWord pid);

    // --- What the ports call -------------------------------------------------
    platform::Handle CreateDesktop(const std::string& name);
    // The handle of the desktop a thread is on; the default desktop's is
    // kDefaultDesktopHandle.
    platform::Handle ThreadDesktop(platform::DWord tid) const;
    bool SetThreadDesktop(platform::DWord tid, platform::Handle desktop);
    // Whether a thread that has not ended is on the desktop.
    bool InUse(platform::Handle desktop) const;
    bool CloseDesktop(platform::Handle desktop);
    bool CreateProcess(const SimLaunch& request, platform::ProcessInformation* info);
    bool TerminateProcess(platform::Handle process);
    bool CloseHandle(platform::Handle object);
    std::vector<platform::Hwnd> TopLevelOnDesktopOf(platform::DWord tid) const;

private:
    class ControlTarget;
    void ShowDialog(SimSoundDialog& dialog);
    void CloseDialog(SimSoundDialog& dialog);
    platform::LResult ControlMessage(SimSoundDialog& dialog, int role, platform::UInt msg,
                                     platform::WParam wParam, platform::LParam lParam);
    platform::Hwnd Create(SimSoundDialog& dialog, const std::string& className,
                          platform::Hwnd parent, int id, int role);

    SimWorld& world_;
    std::map<platform::Handle, std::string> desktops_;
    std::map<platform::DWord, std::string> threadDesktops_;
    std::map<platform::Hwnd, std::string> windowDesktops_;
    std::map<platform::Handle, platform::DWord> processHandles_;  // handle -> pid
    std::vector<std::unique_ptr<ControlTarget>> targets_;
    platform::Handle nextHandle_ = 0x20000000;  // apart from kernel and file handles
};

}  // namespace sim
