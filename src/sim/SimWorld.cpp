#include "sim/SimWorld.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "platform/WinConst.h"

namespace sim {

using namespace platform;

namespace {
constexpr DWord ERROR_INVALID_WINDOW_HANDLE = 1400;
constexpr std::uint64_t kNever = std::numeric_limits<std::uint64_t>::max();

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}
}  // namespace

void SimWorld::Log(SimCall call) {
    if (!journalEnabled) return;
    call.time = now_;
    journal_.Add(std::move(call));
}

DWord SimWorld::NewThread(DWord pid) {
    const DWord tid = nextTid_ += 4;
    auto thread = std::make_unique<SimThread>();
    thread->tid = tid;
    thread->pid = pid;
    threads_[tid] = std::move(thread);
    return tid;
}

void SimWorld::EndThread(DWord tid) {
    SimThread& thread = Thread(tid);
    thread.exited = true;
    thread.queue.clear();
    thread.quitPosted = false;
    std::vector<Hwnd> owned;
    for (const auto& [hwnd, window] : windows_)
        if (window.thread == tid) owned.push_back(hwnd);
    for (Hwnd hwnd : owned) DestroyWindow(hwnd);
}

Hwnd SimWorld::CreateWindow(DWord tid, const WindowCreateParams& params, WindowProcTarget* target) {
    const Hwnd hwnd = nextHwnd_;
    nextHwnd_ += 0x1A;
    SimWindow& window = windows_[hwnd];
    window.hwnd = hwnd;
    window.className = params.className;
    window.title = params.title;
    window.style = params.style;
    window.exStyle = params.exStyle;
    window.bounds = params.bounds;
    window.owner = params.owner;
    window.target = target;
    window.thread = tid;
    window.process = Thread(tid).pid;
    return hwnd;
}

bool SimWorld::DestroyWindow(Hwnd hwnd) {
    if (!windows_.erase(hwnd)) return false;
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [&](const Timer& t) { return t.hwnd == hwnd; }),
                  timers_.end());
    if (foreground == hwnd) foreground = 0;
    return true;
}

SimWindow* SimWorld::Window(Hwnd hwnd) {
    auto it = windows_.find(hwnd);
    return it == windows_.end() ? nullptr : &it->second;
}

std::vector<Hwnd> SimWorld::TopLevelWindows() const {
    std::vector<Hwnd> all;
    for (const auto& entry : windows_) all.push_back(entry.first);
    return all;
}

Hwnd SimWorld::FindWindow(const std::string& className, const std::string& title) const {
    for (const auto& [hwnd, window] : windows_)
        if (SameTextIgnoringCase(window.className, className) && window.title == title) return hwnd;
    return 0;
}

LResult SimWorld::Deliver(DWord senderTid, SimWindow& window, UInt msg, WParam wParam,
                          LParam lParam) {
    SimThread& receiver = Thread(window.thread);
    const bool fromOtherThread = senderTid != receiver.tid;
    WindowProcTarget* target = window.target;
    const Hwnd hwnd = window.hwnd;

    // Across threads Windows hands the receiver its own copy of the data.
    CopyDataStruct copy;
    std::vector<std::uint8_t> bytes;
    if (fromOtherThread && msg == WM_COPYDATA && lParam != 0) {
        const auto* source = reinterpret_cast<const CopyDataStruct*>(lParam);
        copy.dwData = source->dwData;
        copy.cbData = source->cbData;
        if (source->lpData && source->cbData) {
            const auto* p = static_cast<const std::uint8_t*>(source->lpData);
            bytes.assign(p, p + source->cbData);
            copy.lpData = bytes.data();
        }
        lParam = ToLParam(&copy);
    }

    receiver.sends.push_back(SimThread::SendContext{fromOtherThread, false, 0});
    const LResult returned = target ? target->WindowProc(hwnd, msg, wParam, lParam) : 0;
    const SimThread::SendContext context = receiver.sends.back();
    receiver.sends.pop_back();
    return context.replied ? context.result : returned;
}

bool SimWorld::Send(DWord senderTid, Hwnd hwnd, UInt msg, WParam wParam, LParam lParam, UInt flags,
                    UInt timeoutMs, LResult* result) {
    if (result) *result = 0;
    if (hwnd == HWND_BROADCAST) {
        for (Hwnd each : TopLevelWindows()) {
            SimWindow* window = Window(each);
            if (window && !window->hung) Deliver(senderTid, *window, msg, wParam, lParam);
        }
        return true;
    }
    SimWindow* window = Window(hwnd);
    if (!window) {
        Thread(senderTid).lastError = ERROR_INVALID_WINDOW_HANDLE;
        return false;
    }
    if (window->hung) {
        if (!(flags & SMTO_ABORTIFHUNG)) now_ += timeoutMs;
        return false;
    }
    const LResult answer = Deliver(senderTid, *window, msg, wParam, lParam);
    if (result) *result = answer;
    return true;
}

bool SimWorld::Post(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam) {
    std::vector<Hwnd> targets;
    if (hwnd == HWND_BROADCAST)
        targets = TopLevelWindows();
    else if (Window(hwnd))
        targets.push_back(hwnd);
    else
        return false;
    for (Hwnd each : targets) {
        SimWindow* window = Window(each);
        Msg posted;
        posted.hwnd = each;
        posted.message = msg;
        posted.wParam = wParam;
        posted.lParam = lParam;
        posted.time = static_cast<DWord>(now_);
        posted.pt = cursor;
        Thread(window->thread).queue.push_back(posted);
    }
    return true;
}

bool SimWorld::Reply(DWord tid, LResult result) {
    SimThread& thread = Thread(tid);
    if (thread.sends.empty()) return false;
    SimThread::SendContext& context = thread.sends.back();
    if (!context.fromOtherThread || context.replied) return false;
    context.replied = true;
    context.result = result;
    return true;
}

bool SimWorld::InSend(DWord tid) const {
    const SimThread& thread = *threads_.at(tid);
    return !thread.sends.empty() && thread.sends.back().fromOtherThread &&
           !thread.sends.back().replied;
}

bool SimWorld::Peek(DWord tid, Msg& msg, bool remove) {
    SimThread& thread = Thread(tid);
    if (!thread.queue.empty()) {
        msg = thread.queue.front();
        if (remove) {
            thread.queue.pop_front();
            ++retrieved_;
        }
        return true;
    }
    if (thread.quitPosted) {
        msg = Msg{};
        msg.message = WM_QUIT;
        if (remove) {
            thread.quitPosted = false;
            ++retrieved_;
        }
        return true;
    }
    // Timers come last and only when due, as WM_TIMER does.
    Timer* earliest = nullptr;
    for (Timer& timer : timers_) {
        const SimWindow* window = Window(timer.hwnd);
        if (!window || window->thread != tid || timer.due > now_) continue;
        if (!earliest || timer.due < earliest->due) earliest = &timer;
    }
    if (!earliest) return false;
    msg = Msg{};
    msg.hwnd = earliest->hwnd;
    msg.message = WM_TIMER;
    msg.wParam = earliest->id;
    msg.time = static_cast<DWord>(now_);
    if (remove) {
        earliest->due = now_ + earliest->interval;
        ++retrieved_;
    }
    return true;
}

LResult SimWorld::Dispatch(DWord tid, const Msg& msg) {
    SimWindow* window = Window(msg.hwnd);
    if (!window || !window->target) return 0;
    WindowProcTarget* target = window->target;
    SimThread& thread = Thread(tid);
    thread.sends.push_back(SimThread::SendContext{false, false, 0});
    const LResult result = target->WindowProc(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    thread.sends.pop_back();
    return result;
}

UInt SimWorld::Register(const std::string& name) {
    for (const auto& [known, id] : registered_)
        if (SameTextIgnoringCase(known, name)) return id;
    const UInt id = nextRegistered_++;
    registered_[name] = id;
    return id;
}

bool SimWorld::SetTimer(Hwnd hwnd, UInt id, UInt elapseMs) {
    if (!Window(hwnd)) return false;
    KillTimer(hwnd, id);
    timers_.push_back(Timer{hwnd, id, elapseMs, now_ + elapseMs});
    return true;
}

bool SimWorld::KillTimer(Hwnd hwnd, UInt id) {
    const auto before = timers_.size();
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; }),
                  timers_.end());
    return timers_.size() != before;
}

bool SimWorld::TimerRunning(Hwnd hwnd, UInt id) const { return TimerDue(hwnd, id) != 0; }

std::uint64_t SimWorld::TimerDue(Hwnd hwnd, UInt id) const {
    for (const Timer& t : timers_)
        if (t.hwnd == hwnd && t.id == id) return t.due;
    return 0;
}

bool SimWorld::OpenSemaphore(const std::string& name) { return semaphores_[name]++ > 0; }

void SimWorld::CloseSemaphore(const std::string& name) {
    auto it = semaphores_.find(name);
    if (it != semaphores_.end() && --it->second <= 0) semaphores_.erase(it);
}

bool SimWorld::SemaphoreExists(const std::string& name) const { return semaphores_.count(name) > 0; }

bool SimWorld::SetForeground(DWord callerTid, Hwnd hwnd) {
    if (foregroundLocked) return false;
    SimWindow* window = Window(hwnd);
    if (!window) return false;
    const Hwnd previous = foreground;
    if (previous == hwnd) return true;
    foreground = hwnd;
    if (SimWindow* old = Window(previous)) Deliver(callerTid, *old, WM_ACTIVATE, WA_INACTIVE, 0);
    if (SimWindow* now = Window(hwnd)) Deliver(callerTid, *now, WM_ACTIVATE, 1, 0);
    return true;
}

bool SimWorld::HasWork(const SimThread& thread) const {
    if (!thread.queue.empty() || thread.quitPosted) return true;
    for (const Timer& t : timers_) {
        auto it = windows_.find(t.hwnd);
        if (it != windows_.end() && it->second.thread == thread.tid && t.due <= now_) return true;
    }
    return false;
}

void SimWorld::PumpThread(SimThread& thread) {
    if (thread.pumping || thread.exited) return;
    thread.pumping = true;
    if (thread.pump) {
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
        for (auto& [tid, thread] : threads_) {
            if (tid == excludeTid || thread->exited || thread->pumping || !HasWork(*thread)) continue;
            const std::uint64_t before = retrieved_;
            PumpThread(*thread);
            if (retrieved_ != before) progressed = true;
        }
        if (!progressed) return;
    }
}

void SimWorld::Pump() {
    RunScheduledUpTo(now_);
    RunPumpsExcept(0);
}

void SimWorld::At(std::uint64_t when, std::function<void()> action) {
    scheduled_.push_back(Scheduled{when, scheduleOrder_++, std::move(action)});
}

void SimWorld::RunScheduledUpTo(std::uint64_t time) {
    for (;;) {
        auto next = scheduled_.end();
        for (auto it = scheduled_.begin(); it != scheduled_.end(); ++it)
            if (it->when <= time &&
                (next == scheduled_.end() || it->when < next->when ||
                 (it->when == next->when && it->order < next->order)))
                next = it;
        if (next == scheduled_.end()) return;
        std::function<void()> action = std::move(next->action);
        scheduled_.erase(next);
        action();
    }
}

std::uint64_t SimWorld::NextEventTime() const {
    std::uint64_t next = kNever;
    for (const Timer& t : timers_) {
        auto it = windows_.find(t.hwnd);
        if (it == windows_.end()) continue;
        const SimThread& thread = *threads_.at(it->second.thread);
        if (!thread.exited && t.due > now_) next = std::min(next, t.due);
    }
    for (const Scheduled& s : scheduled_) next = std::min(next, std::max(s.when, now_ + 1));
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
    now_ = target;
    Pump();
}

bool SimWorld::WaitForNextEvent(DWord waitingTid) {
    // The waiting thread's own timers count: they are what it waits for.
    std::uint64_t next = NextEventTime();
    if (next == kNever) return false;
    now_ = next;
    RunScheduledUpTo(now_);
    RunPumpsExcept(waitingTid);
    return true;
}

}  // namespace sim
