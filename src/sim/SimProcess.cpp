#include "sim/SimProcess.h"

#include "platform/WinConst.h"

namespace sim {

using namespace platform;

class SimProcess::PeerTarget : public WindowProcTarget {
public:
    explicit PeerTarget(Handler handler) : handler_(std::move(handler)) {}
    LResult WindowProc(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam) override {
        return handler_ ? handler_(hwnd, msg, wParam, lParam) : 0;
    }

private:
    Handler handler_;
};

SimProcess::SimProcess(SimWorld& world, std::string name)
    : world_(world),
      name_(std::move(name)),
      pid_(world.NewProcessId()),
      tid_(world.NewThread(pid_)),
      platform_{messages,
                windows,
                timers,
                sync,
                threads,
                registry,
                mixer,
                nls,
                /* tray icon and tray menu */ shell,
                menus,
                /* files, folders and media */ files,
                media,
                /* desktops, processes and other processes' windows */ processes} {}

SimProcess::~SimProcess() {
    Exit();
}

DWord SimProcess::CallingThread() const {
    const SimThread* running = world_.FindThread(world_.CurrentThread());
    return running && running->pid == pid_ ? running->tid : tid_;
}

void SimProcess::Exit() {
    if (exited_) return;
    exited_ = true;
    for (DWord tid : world_.ThreadsOf(pid_)) world_.EndThread(tid);
    world_.kernel.CloseAllOf(pid_);
    world_.mixer.CloseAllOf(pid_);
    world_.media.CloseAllOf(pid_);
    handles.Clear();
}

Hwnd SimProcess::CreatePeerWindow(const std::string& className, const std::string& title,
                                  Handler handler, Hwnd parent, int id) {
    peers_.push_back(std::make_unique<PeerTarget>(std::move(handler)));
    WindowCreateParams params;
    params.className = className;
    params.title = title;
    params.parent = parent;
    params.id = id;
    if (parent) params.style = WS_CHILD;
    return world_.CreateWindow(tid_, params, peers_.back().get());
}

// --- What the ports share -----------------------------------------------------

SimWorld& SimPortBase::World() const {
    return process_.World();
}
DWord SimPortBase::Pid() const {
    return process_.ProcessId();
}
DWord SimPortBase::Caller() const {
    return process_.CallingThread();
}

SimCall SimPortBase::Call(Api api, Hwnd hwnd, UInt msg, WParam wParam, LParam lParam) const {
    SimCall call;
    call.thread = Caller();
    call.api = api;
    call.hwnd = hwnd;
    call.msg = msg;
    call.wParam = wParam;
    call.lParam = lParam;
    return call;
}

void SimPortBase::Log(SimCall call) const {
    World().Log(std::move(call));
}

void SimPortBase::Finish(SimCall call, LParam result, DWord error) const {
    call.lParam = result;
    Log(std::move(call));
    if (error) World().Thread(Caller()).lastError = error;
}

}  // namespace sim
