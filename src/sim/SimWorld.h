// An in-memory Windows: processes and their threads, sent and posted
// messages, a virtual clock, and one object per Windows service (windows,
// timers, kernel objects, the desktop) that tests can inspect.
//
// Everything runs on the caller's stack: a message sent to another thread's
// window runs at once, nested inside the send, as Windows delivers it to a
// thread that waits in a send of its own. Which thread is calling is a
// property of the world: delivering a message, dispatching one and running
// a worker's body set it, and the ports read it. Worker threads run their
// bodies on stacks of their own (SimFiber), one at a time, when the virtual
// clock reaches the time they wait for.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/WinTypes.h"
#include "platform/WindowPort.h"
#include "sim/SimDesktop.h"
#include "sim/SimFiber.h"
#include "sim/SimJournal.h"
#include "sim/SimKernel.h"
#include "sim/SimMixer.h"
#include "sim/SimRegistry.h"
#include "sim/SimShell.h"
#include "sim/SimTimers.h"
#include "sim/SimWindows.h"
// Files, folders and media.
#include "sim/SimFiles.h"
#include "sim/SimMedia.h"
// Desktops, processes and other processes' windows.
#include "sim/SimSystem.h"

namespace sim {

constexpr std::uint64_t kNever = ~std::uint64_t{0};

struct SimThread {
    platform::DWord tid = 0;
    platform::DWord pid = 0;
    std::deque<platform::Msg> queue;
    // One entry per message received from another thread that is still
    // being handled, innermost last: what InSendMessage and ReplyMessage see.
    struct ReceivedSend {
        bool replied = false;
        platform::LResult result = 0;
    };
    std::vector<ReceivedSend> receivedSends;
    bool quitPosted = false;
    platform::DWord lastError = 0;
    // How the thread empties its queue; by default the simulation dispatches.
    std::function<void()> pump;
    bool pumping = false;
    bool exited = false;

    // A worker's body and where it waits.
    std::unique_ptr<SimFiber> fiber;
    bool suspended = false;
    bool parked = false;             // waiting inside its body
    std::uint64_t wakeAt = kNever;   // when the wait times out
    std::function<bool()> wakeWhen;  // what ends the wait early
    // Inside Sleep or WaitForSingleObject: sent messages wait until it is
    // back in its message loop.
    bool blockedWithoutMessages = false;
    platform::DWord exitCode = 0;
    bool IsWorker() const { return fiber != nullptr; }
};

class SimWorld {
public:
    SimWorld() = default;
    ~SimWorld();
    SimWorld(const SimWorld&) = delete;
    SimWorld& operator=(const SimWorld&) = delete;

    // Services.
    SimWindows windows;
    SimTimers timers;
    SimKernel kernel;
    SimDesktop desktop;
    SimRegistry registry;
    SimMixer mixer{*this};
    // Files, folders and media.
    SimFiles files;
    SimMedia media{*this};
    // Desktops, started processes, the system's facts, the Sound control panel.
    SimSystem system{*this};
    // The system's language and ANSI code page.
    struct Locale {
        platform::Word langId = 0x0409;
        platform::UInt ansiCodePage = 1252;
    } locale;
    // The notification area and popup menus.
    SimShell shell;

    std::uint64_t Now() const { return now_; }
    SimJournal& Journal() { return journal_; }
    void Log(SimCall call);
    // Benchmarks turn the record off so it does not grow.
    bool journalEnabled = true;

    // Processes and threads.
    platform::DWord NewProcessId() { return nextPid_ += 4; }
    platform::DWord NewThread(platform::DWord pid);
    // A thread of process pid that runs body on a stack of its own, first
    // when the clock next moves on (or at once if not suspended and the
    // caller waits).
    platform::DWord NewWorker(platform::DWord pid, std::function<platform::DWord()> body,
                              bool suspended);
    SimThread& Thread(platform::DWord tid) { return *threads_.at(tid); }
    const SimThread* FindThread(platform::DWord tid) const;
    std::vector<platform::DWord> ThreadsOf(platform::DWord pid) const;
    void EndThread(platform::DWord tid);
    // The thread whose code is running now; 0 outside every thread.
    platform::DWord CurrentThread() const { return current_; }
    class ThreadScope {
    public:
        ThreadScope(SimWorld& world, platform::DWord tid) : world_(world), saved_(world.current_) {
            world.current_ = tid;
        }
        ~ThreadScope() { world_.current_ = saved_; }
        ThreadScope(const ThreadScope&) = delete;
        ThreadScope& operator=(const ThreadScope&) = delete;

    private:
        SimWorld& world_;
        platform::DWord saved_;
    };

    // Waits of the calling worker: gives the turn back until the clock
    // reaches wakeAt or wakeWhen() holds; false when it timed out.
    bool ParkWorker(std::uint64_t wakeAt, const std::function<bool()>& wakeWhen = nullptr);
    // Waits of a thread that is not a worker: lets the world run until
    // done() holds or the clock reaches until; false when it did not.
    bool WaitUntil(platform::DWord waitingTid, std::uint64_t until,
                   const std::function<bool()>& done);

    // Windows.
    platform::Hwnd CreateWindow(platform::DWord tid, const platform::WindowCreateParams& params,
                                platform::WindowProcTarget* target);
    bool DestroyWindow(platform::Hwnd hwnd);
    SimWindow* Window(platform::Hwnd hwnd) { return windows.Find(hwnd); }

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
    // A modal loop of thread tid (MessageBoxA) until the box is closed.
    void RunModalLoop(platform::DWord tid, SimMessageBox& box);

    // Timers.
    bool SetTimer(platform::Hwnd hwnd, platform::UInt id, platform::UInt elapseMs);
    bool KillTimer(platform::Hwnd hwnd, platform::UInt id);
    bool TimerRunning(platform::Hwnd hwnd, platform::UInt id) const {
        return timers.Running(hwnd, id);
    }
    std::uint64_t TimerDue(platform::Hwnd hwnd, platform::UInt id) const {
        return timers.Due(hwnd, id);
    }

    bool SemaphoreExists(const std::string& name) const { return kernel.SemaphoreExists(name); }

    // Waits that could never end (a thread waiting forever for a thread or
    // event that nothing will signal), as "thread N: what it waited for".
    // Windows would hang there; the simulation gives up after an hour of
    // virtual time and notes it, so a test can fail instead of hanging.
    std::vector<std::string> hangs;

    // The desktop's foreground, by Windows' rule.
    bool SetForeground(platform::DWord callerTid, platform::Hwnd hwnd);
    // A user's click on a window: it takes the foreground whatever the rule.
    bool UserActivates(platform::Hwnd hwnd);

    // The clock. Advance runs every thread's messages, timers and workers
    // that fall due on the way; Pump runs what is due now.
    void Advance(std::uint64_t ms);
    void Pump();
    void At(std::uint64_t when, std::function<void()> action);
    // Moves the clock to the next timer, scheduled action or worker wake-up
    // for threads other than the waiting one and runs it; false when nothing
    // is left to happen.
    bool WaitForNextEvent(platform::DWord waitingTid);

private:
    struct Scheduled {
        std::uint64_t when;
        std::uint64_t order;
        std::function<void()> action;
    };
    platform::LResult Deliver(platform::DWord senderTid, SimWindow& window, platform::UInt msg,
                              platform::WParam wParam, platform::LParam lParam);
    void MoveForeground(platform::DWord callerTid, platform::Hwnd hwnd);
    bool TimerBelongsTo(platform::Hwnd hwnd, platform::DWord tid) const;
    bool HasWork(const SimThread& thread) const;
    void PumpThread(SimThread& thread);
    std::uint64_t NextEventTime() const;
    void RunScheduledUpTo(std::uint64_t time);
    void RunPumpsExcept(platform::DWord excludeTid);
    bool WorkerReady(const SimThread& thread) const;
    // Runs every worker that may go on now; true when one ran.
    bool RunReadyWorkers();
    void RunDueNow(platform::DWord excludeTid);

    std::uint64_t now_ = 0;
    // Messages taken from any queue so far: a pump that takes none made no
    // progress.
    std::uint64_t retrieved_ = 0;
    platform::DWord current_ = 0;
    SimJournal journal_;
    std::map<platform::DWord, std::unique_ptr<SimThread>> threads_;
    // The threads that have not ended, in the order of their identifiers:
    // what the clock and the pumps walk (ended ones stay in threads_ for
    // their exit codes).
    std::set<platform::DWord> live_;
    std::vector<Scheduled> scheduled_;
    std::uint64_t scheduleOrder_ = 0;
    std::map<std::string, platform::UInt> registered_;
    platform::DWord nextPid_ = 0x100;
    platform::DWord nextTid_ = 0x200;
    platform::UInt nextRegistered_ = 0xC100;
};

}  // namespace sim
