// A process of the simulated Windows: its main (GUI) thread, any worker
// threads it starts, the ports a program instance runs on, and helpers for
// the peers tests build (driver, second instances, other programs).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "sim/SimHandleLedger.h"
#include "sim/SimPorts.h"
#include "sim/SimWorld.h"

namespace sim {

class SimProcess {
public:
    SimProcess(SimWorld& world, std::string name);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    SimMessagePort messages{*this};
    SimWindowPort windows{*this};
    SimTimerPort timers{*this};
    SimSyncPort sync{*this};
    SimThreadPort threads{*this};
    SimRegistryPort registry{*this};
    SimMixerPort mixer{*this};
    SimNlsPort nls{*this};
    // Tray icon and tray menu.
    SimShellPort shell{*this};
    SimMenuPort menus{*this};
    // Files, folders and media.
    SimFilePort files{*this};
    SimMediaPort media{*this};
    // Desktops, processes and other processes' windows.
    SimProcessPort processes{*this};

    // The handles the process holds, as its ports handed them out.
    SimHandleLedger handles;

    platform::Platform& Platform() { return platform_; }
    SimWorld& World() { return world_; }
    const std::string& Name() const { return name_; }
    platform::DWord ProcessId() const { return pid_; }
    // The main thread, the one that runs the program's message loop.
    platform::DWord ThreadId() const { return tid_; }
    SimThread& Thread() { return world_.Thread(tid_); }
    // The thread a call acts for: the running thread when it is one of this
    // process's, otherwise the main thread.
    platform::DWord CallingThread() const;
    // How the main thread empties its queue (the program's message loop step).
    void SetPump(std::function<void()> pump) { Thread().pump = std::move(pump); }
    // Ends the process: its threads end, its windows go, its handles close.
    void Exit();
    bool Exited() const { return exited_; }

    using Handler = std::function<platform::LResult(platform::Hwnd, platform::UInt,
                                                    platform::WParam, platform::LParam)>;
    // A window of the main thread whose messages go to handler: top-level,
    // or a child of parent with a control identifier.
    platform::Hwnd CreatePeerWindow(const std::string& className, const std::string& title,
                                    Handler handler, platform::Hwnd parent = 0, int id = 0);

private:
    class PeerTarget;

    SimWorld& world_;
    std::string name_;
    platform::DWord pid_;
    platform::DWord tid_;
    platform::Platform platform_;
    std::vector<std::unique_ptr<PeerTarget>> peers_;
    bool exited_ = false;
};

}  // namespace sim
