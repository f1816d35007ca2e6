// An in-memory Windows: windows and the threads that own them, sent and
// posted messages, window timers on a virtual clock, registered messages,
// named semaphores and the desktop's foreground. Everything runs on the
// caller's stack: a message sent to another thread's window runs at once,
// nested inside the send, as Windows delivers it to a thread that waits in a
// send of its own.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/WindowPort.h"
#include "platform/WinTypes.h"
#include "sim/SimJournal.h"

namespace sim {

struct SimWindow {
    platform::Hwnd hwnd = 0;
    std::string className;
    std::string title;
    platform::DWord style = 0;
    platform::DWord exStyle = 0;
    platform::Rect bounds;
    platform::Hwnd owner = 0;
    platform::WindowProcTarget* target = nullptr;
    platform::DWord thread = 0;
    platform::DWord process = 0;
    bool visible = false;
    bool iconic = false;
    bool topmost = false;
    // A hung window's thread answers no sent message.
    bool hung = false;
    std::map<std::string, platform::Handle> props;
};

struct SimThread {
    platform::DWord tid = 0;
    platform::DWord pid = 0;
    std::deque<platform::Msg> queue;
    struct SendContext {
        bool fromOtherThread = false;
        bool replied = false;
        platform::LResult result = 0;
    };
    std::vector<SendContext> sends;
    bool quitPosted = false;
    platform::DWord lastError = 0;
    // How the thread empties its queue; by default the simulation dispatches.
    std::function<void()> pump;
    bool pumping = false;
    bool exited = false;
};

class SimWorld {
public:
    SimWorld() = default;
    SimWorld(const SimWorld&) = delete;
    SimWorld& operator=(const SimWorld&) = delete;

    std::uint64_t Now() const { return now_; }
    SimJournal& Journal() { return journal_; }
    void Log(SimCall call);
    // Benchmarks turn the record off so it does not grow.
    bool journalEnabled = true;

    platform::DWord NewProcessId() { return nextPid_ += 4; }
    platform::DWord NewThread(platform::DWord pid);
    SimThread& Thread(platform::DWord tid) { return *threads_.at(tid); }
    void EndThread(platform::DWord tid);

    platform::Hwnd CreateWindow(platform::DWord tid, const platform::WindowCreateParams& params,
                                platform::WindowProcTarget* target);
    bool DestroyWindow(platform::Hwnd hwnd);
    SimWindow* Window(platform::Hwnd hwnd);
    std::vector<platform::Hwnd> TopLevelWindows() const;
    platform::Hwnd FindWindow(const std::string& className, const std::string& title) const;

    // Messages.
    bool Send(platform::DWord senderTid, platform::Hwnd hwnd, platform::UInt msg,
              platform::WParam wParam, platform::LParam lParam, platform::UInt flags,
              platform::UInt timeoutMs, platform::LResult* result);
    bool Post(platform::Hwnd hwnd, platform::UInt msg, platform::WParam wParam,
              platform::LParam lParam);
    bool Reply(platform::DWord tid, platform::LResult result);
    bool InSend(platform::DWord tid) const;
    bool Peek(platform::DWord tid, platform::Msg& msg, bool remove);
    platform::LResult Dispatch(platform::DWord tid, const platform::Msg& msg);
    platform::UInt Register(const std::string& name);

    // Timers.
    bool SetTimer(platform::Hwnd hwnd, platform::UInt id, platform::UInt elapseMs);
    bool KillTimer(platform::Hwnd hwnd, platform::UInt id);
    bool TimerRunning(platform::Hwnd hwnd, platform::UInt id) const;
    // When the timer fires next; 0 when it is not running.
    std::uint64_t TimerDue(platform::Hwnd hwnd, platform::UInt id) const;

    // Named semaphores: true when the name existed already.
    bool OpenSemaphore(const std::string& name);
    void CloseSemaphore(const std::string& name);
    bool SemaphoreExists(const std::string& name) const;

    // The clock. Advance runs every thread's messages and timers that fall
    // due on the way; Pump runs what is due now.
    void Advance(std::uint64_t ms);
    void Pump();
    void At(std::uint64_t when, std::function<void()> action);
    // Moves the clock to the next timer or scheduled action for threads other
    // than the waiting one and runs it; false when nothing is left to happen.
    bool WaitForNextEvent(platform::DWord waitingTid);

    // Desktop.
    platform::Hwnd foreground = 0;
    bool foregroundLocked = false;  // SetForegroundWindow refused
    platform::Point cursor{640, 512};
    platform::Rect workArea{0, 0, 1280, 994};
    std::vector<std::string> messageBoxes;
    bool SetForeground(platform::DWord callerTid, platform::Hwnd hwnd);

private:
    struct Timer {
        platform::Hwnd hwnd;
        platform::UInt id;
        platform::UInt interval;
        std::uint64_t due;
    };
    struct Scheduled {
        std::uint64_t when;
        std::uint64_t order;
        std::function<void()> action;
    };
    platform::LResult Deliver(platform::DWord senderTid, SimWindow& window, platform::UInt msg,
                              platform::WParam wParam, platform::LParam lParam);
    bool HasWork(const SimThread& thread) const;
    void PumpThread(SimThread& thread);
    std::uint64_t NextEventTime() const;
    void RunScheduledUpTo(std::uint64_t time);
    void RunPumpsExcept(platform::DWord excludeTid);

    std::uint64_t now_ = 0;
    // Messages taken from any queue so far: a pump that takes none made no
    // progress.
    std::uint64_t retrieved_ = 0;
    SimJournal journal_;
    std::map<platform::DWord, std::unique_ptr<SimThread>> threads_;
    std::map<platform::Hwnd, SimWindow> windows_;
    std::vector<Timer> timers_;
    std::vector<Scheduled> scheduled_;
    std::uint64_t scheduleOrder_ = 0;
    std::map<std::string, platform::UInt> registered_;
    std::map<std::string, int> semaphores_;
    platform::DWord nextPid_ = 0x100;
    platform::DWord nextTid_ = 0x200;
    platform::Hwnd nextHwnd_ = 0x10010;
    platform::UInt nextRegistered_ = 0xC100;
};

}  // namespace sim
