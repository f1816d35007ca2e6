// Messages of the simulated Windows: sends run nested in the sender's call,
// posts queue per thread, and a thread's modal loop empties its queue while a
// message box is up.
#include <algorithm>

#include "platform/WinConst.h"
#include "sim/SimCopyData.h"
#include "sim/SimWorld.h"

namespace sim {

using namespace platform;

namespace {

// Pops the receiver's record of a send however its handling ends.
struct ReceivedSendScope {
    explicit ReceivedSendScope(SimThread& thread) : thread_(thread) {
        thread_.receivedSends.push_back({});
    }
    ~ReceivedSendScope() { thread_.receivedSends.pop_back(); }
    SimThread::ReceivedSend& Record() { return thread_.receivedSends.back(); }
    ReceivedSendScope(const ReceivedSendScope&) = delete;
    ReceivedSendScope& operator=(const ReceivedSendScope&) = delete;

private:
    SimThread& thread_;
};

}  // namespace

LResult SimWorld::Deliver(DWord senderTid, SimWindow& window, UInt msg, WParam wParam,
                          LParam lParam) {
    SimThread& receiver = Thread(window.thread);
    WindowProcTarget* target = window.target;
    const Hwnd hwnd = window.hwnd;
    // A send within one thread is a plain call of the window procedure: it
    // leaves the thread's state of a send received from elsewhere as it is.
    if (senderTid == receiver.tid)
        return target ? target->WindowProc(hwnd, msg, wParam, lParam) : 0;

    // Across threads Windows hands the receiver its own copy of the data.
    CopyDataStruct copy;
    std::vector<std::uint8_t> bytes;
    if (msg == WM_COPYDATA && lParam != 0) {
        const auto* source = reinterpret_cast<const CopyDataStruct*>(lParam);
        copy.dwData = source->dwData;
        copy.cbData = source->cbData;
        bytes = CopyDataBytes(*source);
        if (!bytes.empty()) copy.lpData = bytes.data();
        lParam = ToLParam(&copy);
    }

    ReceivedSendScope received(receiver);
    ThreadScope scope(*this, receiver.tid);
    const LResult returned = target ? target->WindowProc(hwnd, msg, wParam, lParam) : 0;
    return received.Record().replied ? received.Record().result : returned;
}

bool SimWorld::Send(DWord senderTid, Hwnd hwnd, UInt msg, WParam wParam, LParam lParam, UInt flags,
                    UInt timeoutMs, LResult* result) {
    if (result) *result = 0;
    if (hwnd == HWND_BROADCAST) {
        for (Hwnd each : windows.TopLevel()) {
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
        // A plain send waits for ever; Windows would hang there.
        if (timeoutMs == INFINITE)
            hangs.push_back("thread " + std::to_string(senderTid) +
                            ": SendMessageA to a window that answers nothing");
        else if (!(flags & SMTO_ABORTIFHUNG))
            now_ += timeoutMs;
        return false;
    }
    // A thread inside Sleep or a wait takes sent messages only once it is
    // back in its loop; a worker sending to it waits that long.
    const DWord receiverTid = window->thread;
    SimThread& sender = Thread(senderTid);
    if (receiverTid != senderTid && Thread(receiverTid).blockedWithoutMessages &&
        sender.IsWorker() && sender.fiber->IsCurrent()) {
        const std::uint64_t deadline =
            timeoutMs && timeoutMs != INFINITE ? now_ + timeoutMs : kNever;
        const bool free = ParkWorker(deadline, [this, receiverTid] {
            const SimThread& receiver = Thread(receiverTid);
            return !receiver.blockedWithoutMessages || receiver.exited;
        });
        window = Window(hwnd);
        if (!free || !window) return false;
    }
    const LResult answer = Deliver(senderTid, *window, msg, wParam, lParam);
    if (result) *result = answer;
    return true;
}

bool SimWorld::Post(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam) {
    std::vector<Hwnd> targets;
    if (hwnd == HWND_BROADCAST)
        targets = windows.TopLevel();
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
        posted.pt = desktop.cursor;
        Thread(window->thread).queue.push_back(posted);
    }
    return true;
}

bool SimWorld::Reply(DWord tid, LResult result) {
    SimThread& thread = Thread(tid);
    if (thread.receivedSends.empty()) return false;
    SimThread::ReceivedSend& received = thread.receivedSends.back();
    if (received.replied) return false;
    received.replied = true;
    received.result = result;
    return true;
}

bool SimWorld::InSend(DWord tid) const {
    const SimThread& thread = *threads_.at(tid);
    return !thread.receivedSends.empty() && !thread.receivedSends.back().replied;
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
    SimTimer* earliest =
        timers.EarliestDue(now_, [&](Hwnd hwnd) { return TimerBelongsTo(hwnd, tid); });
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
    ThreadScope scope(*this, tid);
    return window->target->WindowProc(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

UInt SimWorld::Register(const std::string& name) {
    for (const auto& [known, id] : registered_)
        if (SameTextIgnoringCase(known, name)) return id;
    const UInt id = nextRegistered_++;
    registered_[name] = id;
    return id;
}

void SimWorld::RunModalLoop(DWord tid, SimMessageBox& shown) {
    // Boxes shown inside this one may move the list: hold the index.
    const std::size_t index = static_cast<std::size_t>(&shown - desktop.messageBoxes.data());
    auto box = [this, index]() -> SimMessageBox& { return desktop.messageBoxes[index]; };
    const std::uint64_t lifetime = desktop.messageBoxLifetimeMs;
    if (lifetime)
        At(now_ + lifetime, [box] {
            if (box().open) box().Close();
        });
    if (desktop.onMessageBox) desktop.onMessageBox(box());
    while (box().open) {
        // The box's own loop: sent messages arrive nested as anywhere else;
        // posted messages and timers are dispatched without the program's
        // loop and its hooks.
        Msg msg;
        while (box().open && Peek(tid, msg, true)) {
            if (msg.message == WM_QUIT) {
                // The loop ends and leaves the quit for the program's loop.
                Thread(tid).quitPosted = true;
                box().Close(2);
                break;
            }
            Dispatch(tid, msg);
        }
        if (!box().open) break;
        if (lifetime == 0 || !WaitForNextEvent(tid)) box().Close();
    }
}

}  // namespace sim
