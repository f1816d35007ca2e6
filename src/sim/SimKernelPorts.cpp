// TimerPort, SyncPort and ThreadPort of a simulated process.
#include <optional>
#include <string>

#include "platform/WinConst.h"
#include "sim/SimProcess.h"

namespace sim {

using namespace platform;

namespace {

// An infinite wait that nothing ends is a hang; the simulation stops
// waiting after this much virtual time.
constexpr std::uint64_t kLongestWaitMs = std::uint64_t{3600} * 1000;

// Sent messages to a thread inside Sleep or a wait stay pending until it
// is back; nested waits restore what the outer one set.
class BlockedWithoutMessages {
public:
    explicit BlockedWithoutMessages(SimThread& thread)
        : thread_(thread), saved_(thread.blockedWithoutMessages) {
        thread_.blockedWithoutMessages = true;
    }
    ~BlockedWithoutMessages() { thread_.blockedWithoutMessages = saved_; }
    BlockedWithoutMessages(const BlockedWithoutMessages&) = delete;
    BlockedWithoutMessages& operator=(const BlockedWithoutMessages&) = delete;

private:
    SimThread& thread_;
    bool saved_;
};

bool OnOwnStack(const SimThread& thread) {
    return thread.IsWorker() && thread.fiber->IsCurrent();
}

}  // namespace

// --- Timers -------------------------------------------------------------------

bool SimTimerPort::SetTimer(Hwnd hwnd, UInt id, UInt elapseMs) {
    SimCall call = Call(Api::SetTimer, hwnd);
    call.wParam = id;
    call.timeout = elapseMs;
    Log(std::move(call));
    return World().SetTimer(hwnd, id, elapseMs);
}

bool SimTimerPort::KillTimer(Hwnd hwnd, UInt id) {
    SimCall call = Call(Api::KillTimer, hwnd);
    call.wParam = id;
    Log(std::move(call));
    return World().KillTimer(hwnd, id);
}

// --- Semaphores, errors, Sleep -------------------------------------------------

Handle SimSyncPort::CreateSemaphoreA(long, long, const std::string& name) {
    SimCall call = Call(Api::CreateSemaphoreA);
    call.text = name;
    Log(std::move(call));
    const bool existed = World().kernel.OpenSemaphore(name);
    SimKernelObject semaphore;
    semaphore.kind = SimKernelObject::Kind::Semaphore;
    semaphore.process = Pid();
    semaphore.name = name;
    World().Thread(Caller()).lastError = existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS;
    const Handle handle = World().kernel.Add(std::move(semaphore));
    process_.handles.Opened(HandleKind::Semaphore, handle);
    return handle;
}

DWord SimSyncPort::GetLastError() {
    return World().Thread(Caller()).lastError;
}

bool SimSyncPort::CloseHandle(Handle object) {
    SimCall call = Call(Api::CloseHandle, 0, 0, object);
    SimWorld& world = World();
    // One call closes every kind of kernel object; which kind this one is
    // decides who lets it go, as the kernel's object table would. The
    // simulated kinds take their handles from ranges apart.
    bool closed = false;
    if (world.files.File(object)) {
        closed = world.files.Close(object);
        if (closed) process_.handles.Closed({HandleKind::File}, object);
    } else if (world.kernel.Close(object)) {
        closed = true;
        process_.handles.Closed({HandleKind::Event, HandleKind::Thread, HandleKind::Semaphore},
                                object);
    } else if (world.system.CloseHandle(object)) {
        closed = true;
        process_.handles.Closed({HandleKind::Process, HandleKind::Thread}, object);
    }
    return Done(std::move(call), closed, closed ? 0 : ERROR_INVALID_HANDLE);
}

void SimSyncPort::Sleep(DWord milliseconds) {
    SimCall call = Call(Api::Sleep);
    call.timeout = milliseconds;
    Log(std::move(call));
    SimWorld& world = World();
    SimThread& thread = world.Thread(Caller());
    const std::uint64_t until = world.Now() + milliseconds;
    if (OnOwnStack(thread)) {
        world.ParkWorker(until);
        return;
    }
    // The other programs go on while this one sleeps.
    BlockedWithoutMessages blocked(thread);
    world.At(until, [] {});
    world.WaitUntil(thread.tid, until, nullptr);
}

// --- Threads and events ----------------------------------------------------------

Handle SimThreadPort::CreateThread(ThreadBody& body, bool suspended, DWord* threadId) {
    if (World().system.createThreadFails) {
        Log(Call(Api::CreateThread));
        return 0;
    }
    const DWord tid = World().NewWorker(
        Pid(),
        [&body]() -> DWord {
            // Nothing leaves a thread's body; an abandoned worker unwinds.
            try {
                return body.Run();
            } catch (const SimFiber::Abandoned&) {
                throw;
            } catch (...) {
                return 1;
            }
        },
        suspended);
    SimKernelObject object;
    object.kind = SimKernelObject::Kind::Thread;
    object.process = Pid();
    object.thread = tid;
    const Handle handle = World().kernel.Add(object);
    process_.handles.Opened(HandleKind::Thread, handle);
    SimCall call = Call(Api::CreateThread);
    call.wParam = tid;
    call.flags = suspended ? CREATE_SUSPENDED : 0;
    call.lParam = static_cast<LParam>(handle);
    Log(std::move(call));
    if (threadId) *threadId = tid;
    return handle;
}

DWord SimThreadPort::ResumeThread(Handle thread) {
    SimCall call = Call(Api::ResumeThread);
    call.lParam = static_cast<LParam>(thread);
    Log(std::move(call));
    const SimKernelObject* object = World().kernel.Find(thread);
    if (!object || object->kind != SimKernelObject::Kind::Thread) return 0xFFFFFFFFu;
    SimThread& worker = World().Thread(object->thread);
    const DWord previous = worker.suspended ? 1 : 0;
    worker.suspended = false;
    return previous;
}

bool SimThreadPort::GetExitCodeThread(Handle thread, DWord* exitCode) {
    const SimKernelObject* object = World().kernel.Find(thread);
    if (!object || object->kind != SimKernelObject::Kind::Thread) return false;
    const SimThread& worker = World().Thread(object->thread);
    if (exitCode) *exitCode = worker.exited ? worker.exitCode : STILL_ACTIVE;
    return true;
}

Handle SimThreadPort::CreateEventA(bool manualReset, bool initialState) {
    SimKernelObject event;
    event.kind = SimKernelObject::Kind::Event;
    event.process = Pid();
    event.manualReset = manualReset;
    event.signalled = initialState;
    const Handle handle = World().kernel.Add(event);
    process_.handles.Opened(HandleKind::Event, handle);
    SimCall call = Call(Api::CreateEventA);
    call.lParam = static_cast<LParam>(handle);
    Log(std::move(call));
    return handle;
}

bool SimThreadPort::SetEvent(Handle event) {
    return SignalEvent(Api::SetEvent, event, true);
}

bool SimThreadPort::ResetEvent(Handle event) {
    return SignalEvent(Api::ResetEvent, event, false);
}

bool SimThreadPort::SignalEvent(Api api, Handle event, bool signalled) {
    SimCall call = Call(api);
    call.lParam = static_cast<LParam>(event);
    Log(std::move(call));
    SimKernelObject* object = World().kernel.Find(event);
    if (!object || object->kind != SimKernelObject::Kind::Event) return false;
    object->signalled = signalled;
    return true;
}

bool SimThreadPort::Signalled(Handle handle, bool take) {
    SimKernelObject* object = World().kernel.Find(handle);
    if (!object) return false;
    switch (object->kind) {
        case SimKernelObject::Kind::Thread: {
            const SimThread* thread = World().FindThread(object->thread);
            return !thread || thread->exited;
        }
        case SimKernelObject::Kind::Event:
            if (!object->signalled) return false;
            if (take && !object->manualReset) object->signalled = false;
            return true;
        case SimKernelObject::Kind::Semaphore:
            return true;
    }
    return false;
}

DWord SimThreadPort::WaitForSingleObject(Handle handle, DWord timeoutMs) {
    return Wait(Api::WaitForSingleObject, handle, timeoutMs, false);
}

DWord SimThreadPort::MsgWaitForSingleObject(Handle handle, DWord timeoutMs) {
    return Wait(Api::MsgWaitForSingleObject, handle, timeoutMs, true);
}

DWord SimThreadPort::Wait(Api api, Handle handle, DWord timeoutMs, bool takesSentMessages) {
    SimCall call = Call(api);
    call.lParam = static_cast<LParam>(handle);
    call.timeout = timeoutMs;
    Log(std::move(call));
    SimWorld& world = World();
    if (!world.kernel.Find(handle)) {
        world.Thread(Caller()).lastError = ERROR_INVALID_HANDLE;
        return WAIT_FAILED;
    }
    if (Signalled(handle, true)) return WAIT_OBJECT_0;
    if (timeoutMs == 0) return WAIT_TIMEOUT;

    SimThread& thread = world.Thread(Caller());
    auto signalled = [this, handle] { return Signalled(handle, false); };
    if (OnOwnStack(thread)) {
        const std::uint64_t wake = timeoutMs == INFINITE ? kNever : world.Now() + timeoutMs;
        world.ParkWorker(wake, signalled);
    } else {
        std::optional<BlockedWithoutMessages> blocked;
        if (!takesSentMessages) blocked.emplace(thread);
        const std::uint64_t longest = timeoutMs == INFINITE ? kLongestWaitMs : timeoutMs;
        const bool ended = world.WaitUntil(thread.tid, world.Now() + longest, signalled);
        if (!ended && timeoutMs == INFINITE)
            world.hangs.push_back("thread " + std::to_string(thread.tid) + ": " + ApiName(api) +
                                  "(INFINITE) on a handle nothing signals");
    }
    return Signalled(handle, true) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}

}  // namespace sim
