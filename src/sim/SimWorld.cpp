#include "sim/SimWorld.h"

#include <algorithm>

#include "platform/WinConst.h"

namespace sim {

using namespace platform;

SimWorld::~SimWorld() {
    // Workers still waiting are unwound while the services they reach stand.
    for (auto& [tid, thread] : threads_) {
        if (!thread->fiber) continue;
        ThreadScope scope(*this, tid);
        thread->fiber.reset();
    }
}

void SimWorld::Log(SimCall call) {
    if (!journalEnabled) return;
    call.time = now_;
    journal_.Add(std::move(call));
}

// --- Threads ------------------------------------------------------------------

DWord SimWorld::NewThread(DWord pid) {
    const DWord tid = nextTid_ += 4;
    auto thread = std::make_unique<SimThread>();
    thread->tid = tid;
    thread->pid = pid;
    threads_[tid] = std::move(thread);
    live_.insert(tid);
    return tid;
}

DWord SimWorld::NewWorker(DWord pid, std::function<DWord()> body, bool suspended) {
    const DWord tid = NewThread(pid);
    SimThread& thread = Thread(tid);
    thread.suspended = suspended;
    thread.parked = true;
    thread.wakeAt = now_;
    thread.exitCode = STILL_ACTIVE;
    thread.fiber = std::make_unique<SimFiber>([this, tid, body = std::move(body)] {
        const DWord code = body();
        Thread(tid).exitCode = code;
    });
    return tid;
}

const SimThread* SimWorld::FindThread(DWord tid) const {
    auto it = threads_.find(tid);
    return it == threads_.end() ? nullptr : it->second.get();
}

std::vector<DWord> SimWorld::ThreadsOf(DWord pid) const {
    std::vector<DWord> out;
    for (DWord tid : live_)
        if (threads_.at(tid)->pid == pid) out.push_back(tid);
    return out;
}

void SimWorld::EndThread(DWord tid) {
    SimThread& thread = Thread(tid);
    // A worker that waits inside its body is unwound now, while its process
    // and ports still stand; one that holds the turn ends by itself.
    if (thread.fiber && thread.fiber->Started() && !thread.fiber->Finished() &&
        !thread.fiber->Running()) {
        ThreadScope scope(*this, tid);
        thread.fiber.reset();
    }
    // A finished body's host thread is joined now, not when the world goes:
    // a long run starts thousands of workers.
    if (thread.fiber && thread.fiber->Finished()) thread.fiber.reset();
    if (thread.exitCode == STILL_ACTIVE) thread.exitCode = 0;
    thread.exited = true;
    live_.erase(tid);
    thread.queue.clear();
    thread.quitPosted = false;
    thread.parked = false;
    for (Hwnd hwnd : windows.OwnedByThread(tid)) DestroyWindow(hwnd);
}

bool SimWorld::WorkerReady(const SimThread& thread) const {
    return thread.IsWorker() && thread.parked && !thread.suspended && !thread.exited &&
           (thread.wakeAt <= now_ || (thread.wakeWhen && thread.wakeWhen()));
}

bool SimWorld::RunReadyWorkers() {
    bool ran = false;
    for (bool again = true; again;) {
        again = false;
        std::vector<DWord> ready;
        for (DWord tid : live_)
            if (WorkerReady(Thread(tid))) ready.push_back(tid);
        for (DWord tid : ready) {
            SimThread& thread = Thread(tid);
            if (!WorkerReady(thread)) continue;
            thread.parked = false;
            thread.wakeAt = kNever;
            thread.wakeWhen = nullptr;
            {
                ThreadScope scope(*this, tid);
                thread.fiber->Resume();
            }
            if (thread.fiber && thread.fiber->Finished() && !thread.exited) EndThread(tid);
            ran = again = true;
        }
    }
    return ran;
}

bool SimWorld::ParkWorker(std::uint64_t wakeAt, const std::function<bool()>& wakeWhen) {
    if (wakeWhen && wakeWhen()) return true;
    SimThread& thread = Thread(current_);
    // A wait never takes no time at all, so a worker polling in a loop
    // cannot stop the clock.
    thread.wakeAt = wakeAt == kNever ? kNever : std::max(wakeAt, now_ + 1);
    thread.wakeWhen = wakeWhen;
    thread.parked = true;
    thread.fiber->Yield();
    return wakeWhen && wakeWhen();
}

bool SimWorld::WaitUntil(DWord waitingTid, std::uint64_t until, const std::function<bool()>& done) {
    for (;;) {
        if (done && done()) return true;
        if (now_ >= until) return false;
        RunDueNow(waitingTid);
        if (done && done()) return true;
        const std::uint64_t next = NextEventTime();
        if (next == kNever) return false;
        now_ = std::min(next, until);
        RunScheduledUpTo(now_);
    }
}

// --- Windows ------------------------------------------------------------------

Hwnd SimWorld::CreateWindow(DWord tid, const WindowCreateParams& params, WindowProcTarget* target) {
    return windows.Create(tid, Thread(tid).pid, params, target);
}

bool SimWorld::DestroyWindow(Hwnd hwnd) {
    const std::vector<Hwnd> gone = windows.Destroy(hwnd);
    for (Hwnd each : gone) {
        timers.KillAllOf(each);
        if (desktop.foreground == each) desktop.foreground = 0;
    }
    return !gone.empty();
}

bool SimWorld::SetForeground(DWord callerTid, Hwnd hwnd) {
    SimWindow* window = Window(hwnd);
    if (!window) return false;
    const SimWindow* current = Window(desktop.foreground);
    const SimThread* caller = FindThread(callerTid);
    if (!desktop.MayTakeForeground(callerTid, caller ? caller->pid : 0,
                                   current ? current->thread : 0, current ? current->process : 0))
        return false;
    MoveForeground(callerTid, hwnd);
    return true;
}

bool SimWorld::UserActivates(Hwnd hwnd) {
    SimWindow* window = Window(hwnd);
    if (!window) return false;
    // The window's own thread learns of it from its input.
    MoveForeground(window->thread, hwnd);
    return true;
}

void SimWorld::MoveForeground(DWord callerTid, Hwnd hwnd) {
    const Hwnd previous = desktop.foreground;
    if (previous == hwnd) return;
    desktop.foreground = hwnd;
    if (SimWindow* old = Window(previous)) Deliver(callerTid, *old, WM_ACTIVATE, WA_INACTIVE, 0);
    if (SimWindow* now = Window(hwnd)) Deliver(callerTid, *now, WM_ACTIVATE, 1, 0);
}

// --- Timers -------------------------------------------------------------------

bool SimWorld::SetTimer(Hwnd hwnd, UInt id, UInt elapseMs) {
    if (!Window(hwnd)) return false;
    timers.Set(hwnd, id, elapseMs, now_);
    return true;
}

bool SimWorld::KillTimer(Hwnd hwnd, UInt id) {
    return timers.Kill(hwnd, id);
}

bool SimWorld::TimerBelongsTo(Hwnd hwnd, DWord tid) const {
    const SimWindow* window = windows.Find(hwnd);
    return window && window->thread == tid;
}

// --- The clock ----------------------------------------------------------------

bool SimWorld::HasWork(const SimThread& thread) const {
    if (!thread.queue.empty() || thread.quitPosted) return true;
    return timers.AnyDue(now_, [&](Hwnd hwnd) { return TimerBelongsTo(hwnd, thread.tid); });
}

void SimWorld::PumpThread(SimThread& thread) {
    if (thread.pumping || thread.exited || thread.IsWorker()) return;
    thread.pumping = true;
    if (thread.pump) {
        ThreadScope scope(*this, thread.tid);
        thread.pump();
    } else {
        Msg msg;
        while (Peek(thread.tid, msg, true))
            if (msg.message != WM_QUIT) Dispatch(thread.tid, msg);
    }
    thread.pumping = false;
}

void SimWorld::RunPumpsExcept(DWord excludeTid) {
    // A thread whose loop has ended leaves its messages where they are: stop
    // once a round changes nothing.
    for (int round = 0; round < 10000; ++round) {
        bool progressed = false;
        // A pump may start threads (met later in this round) or end them:
        // the walk goes on from the next identifier, not from an iterator.
        for (auto it = live_.begin(); it != live_.end();) {
            const DWord tid = *it;
            SimThread& thread = Thread(tid);
            if (tid != excludeTid && !thread.pumping && HasWork(thread)) {
                const std::uint64_t before = retrieved_;
                PumpThread(thread);
                // cppcheck-suppress knownConditionTrueFalse ; the pump counts what it took
                if (retrieved_ != before) progressed = true;
            }
            it = live_.upper_bound(tid);
        }
        if (!progressed) return;
    }
}

void SimWorld::RunDueNow(DWord excludeTid) {
    do {
        RunScheduledUpTo(now_);
        RunPumpsExcept(excludeTid);
    } while (RunReadyWorkers());
}

void SimWorld::Pump() {
    RunDueNow(0);
}

void SimWorld::At(std::uint64_t when, std::function<void()> action) {
    scheduled_.push_back(Scheduled{when, scheduleOrder_++, std::move(action)});
}

void SimWorld::RunScheduledUpTo(std::uint64_t time) {
    for (;;) {
        auto next = scheduled_.end();
        for (auto it = scheduled_.begin(); it != scheduled_.end(); ++it)
            if (it->when <= time && (next == scheduled_.end() || it->when < next->when ||
                                     (it->when == next->when && it->order < next->order)))
                next = it;
        if (next == scheduled_.end()) return;
        std::function<void()> action = std::move(next->action);
        scheduled_.erase(next);
        action();
    }
}

std::uint64_t SimWorld::NextEventTime() const {
    std::uint64_t next = timers.NextDueAfter(now_, [&](Hwnd hwnd) {
        const SimWindow* window = windows.Find(hwnd);
        return window && !threads_.at(window->thread)->exited;
    });
    if (next == 0) next = kNever;
    for (const Scheduled& s : scheduled_) next = std::min(next, std::max(s.when, now_ + 1));
    for (DWord tid : live_) {
        const SimThread& thread = *threads_.at(tid);
        if (thread.IsWorker() && thread.parked && !thread.suspended && thread.wakeAt != kNever)
            next = std::min(next, std::max(thread.wakeAt, now_ + 1));
    }
    return next;
}

void SimWorld::Advance(std::uint64_t ms) {
    const std::uint64_t target = now_ + ms;
    for (;;) {
        Pump();
        const std::uint64_t next = NextEventTime();
        if (next == kNever || next > target) break;
        now_ = next;
    }
    // A modal loop run on the way (a menu, a message box) may have moved the
    // clock past the target: time never runs backwards.
    now_ = std::max(now_, target);
    Pump();
}

bool SimWorld::WaitForNextEvent(DWord waitingTid) {
    if (RunReadyWorkers()) return true;
    // The waiting thread's own timers count: they are what it waits for.
    const std::uint64_t next = NextEventTime();
    if (next == kNever) return false;
    now_ = next;
    RunDueNow(waitingTid);
    return true;
}

}  // namespace sim
