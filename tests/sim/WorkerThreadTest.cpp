// A worker thread in the panel's own process: it runs on the virtual clock,
// sleeps and polls, sends to a window of the process's GUI thread as a
// cross-thread send, and ends when asked.
#include <gtest/gtest.h>

#include <vector>

#include "platform/WinConst.h"
#include "support/PanelWorld.h"
#include "widgets/Thread.h"

using sim::Api;
using namespace platform;
using testing_support::PanelWorld;

namespace {

constexpr UInt kReport = WM_USER + 100;

// Polls every 100 ms; on the third poll reports to a window by a send and
// notes the answer; goes on polling until asked to end.
class PollingWorker : public vcl::TThread {
public:
    PollingWorker(Platform& platform, Hwnd notify) : vcl::TThread(platform), notify_(notify) {}
    int polls = 0;
    LResult answer = 0;
    std::uint64_t answeredAt = 0;
    DWord ownThread = 0;
    sim::SimWorld* world = nullptr;

protected:
    void Execute() override {
        ownThread = Ports().windows.GetCurrentThreadId();
        while (!Terminated()) {
            Ports().sync.Sleep(100);
            if (++polls == 3) {
                answer = Ports().messages.SendMessageA(notify_, kReport, 7, 9);
                answeredAt = world ? world->Now() : 0;
            }
        }
    }

private:
    Hwnd notify_;
};

// The GUI thread's window the worker reports to, and what it saw.
struct Receiver {
    bool inSendBefore = false, inSendAfter = true;
    DWord handledOn = 0;
    int reports = 0;
    std::uint64_t at = 0;
};

Hwnd ReceiverWindow(PanelWorld& w, Receiver& seen) {
    return w.panelProcess.CreatePeerWindow(
        "TNotifyWindow", "", [&w, &seen](Hwnd, UInt msg, WParam, LParam) -> LResult {
            if (msg != kReport) return 0;
            ++seen.reports;
            seen.at = w.world.Now();
            seen.handledOn = w.panelProcess.windows.GetCurrentThreadId();
            seen.inSendBefore = w.panelProcess.messages.InSendMessage();
            w.panelProcess.messages.ReplyMessage(1);
            seen.inSendAfter = w.panelProcess.messages.InSendMessage();
            return 0;  // the reply counts
        });
}

}  // namespace

TEST(WorkerThread, RunsInThePanelsProcessAndReportsToItsGuiThreadByACrossThreadSend) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    Receiver seen;
    const Hwnd notify = ReceiverWindow(w, seen);
    const std::uint64_t start = w.world.Now();
    auto worker = vcl::TThread::Create<PollingWorker>(w.panelProcess.Platform(), false, notify);
    worker->world = &w.world;
    ASSERT_TRUE(worker->Created());
    EXPECT_FALSE(worker->Suspended());

    w.Advance(250);
    EXPECT_EQ(worker->polls, 2);
    EXPECT_EQ(seen.reports, 0);
    w.Advance(100);
    EXPECT_EQ(worker->polls, 3);
    ASSERT_EQ(seen.reports, 1);
    EXPECT_EQ(seen.at, start + 300);

    // One process, two threads; the report ran on the GUI thread.
    EXPECT_NE(worker->ownThread, w.panelProcess.ThreadId());
    EXPECT_EQ(worker->ownThread, worker->ThreadID());
    const auto threads = w.world.ThreadsOf(w.panelProcess.ProcessId());
    EXPECT_EQ(threads.size(), 2u);
    EXPECT_EQ(seen.handledOn, w.panelProcess.ThreadId());
    // A send from another thread: InSendMessage until the reply, whose value
    // the worker gets.
    EXPECT_TRUE(seen.inSendBefore);
    EXPECT_FALSE(seen.inSendAfter);
    EXPECT_EQ(worker->answer, 1);
    EXPECT_EQ(worker->answeredAt, start + 300);
    EXPECT_FALSE(w.panelProcess.messages.InSendMessage());

    // Asked to end, it finishes its pass and is gone; the wait for it
    // lets virtual time run up to its next poll.
    worker->Terminate();
    EXPECT_EQ(worker->WaitFor(), 0u);
    EXPECT_TRUE(worker->Finished());
    EXPECT_LE(w.world.Now(), start + 400);
    EXPECT_EQ(w.world.ThreadsOf(w.panelProcess.ProcessId()).size(), 1u);
    EXPECT_TRUE(w.world.hangs.empty());
}

TEST(WorkerThread, ASuspendedThreadRunsOnlyOnceResumedAndItsObjectWaitsForItsEnd) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    Receiver seen;
    const Hwnd notify = ReceiverWindow(w, seen);
    auto worker = vcl::TThread::Create<PollingWorker>(w.panelProcess.Platform(), true, notify);
    ASSERT_TRUE(worker->Created());
    EXPECT_TRUE(worker->Suspended());
    w.Advance(1000);
    EXPECT_EQ(worker->polls, 0);
    worker->Resume();
    EXPECT_FALSE(worker->Suspended());
    w.Advance(150);
    EXPECT_EQ(worker->polls, 1);
    // Destroying the object ends the thread first.
    const Handle handle = w.world.Journal().Of(Api::CreateThread).back().lParam;
    worker.reset();
    EXPECT_EQ(w.world.kernel.Find(handle), nullptr);  // closed
    EXPECT_EQ(w.world.ThreadsOf(w.panelProcess.ProcessId()).size(), 1u);
    EXPECT_TRUE(w.world.hangs.empty());

    // A suspended thread that is destroyed unseen is resumed to end.
    auto never = vcl::TThread::Create<PollingWorker>(w.panelProcess.Platform(), true, notify);
    never.reset();
    EXPECT_EQ(w.world.ThreadsOf(w.panelProcess.ProcessId()).size(), 1u);
    EXPECT_EQ(seen.reports, 0);
}

TEST(WorkerThread, AWorkerSendingToAGuiThreadThatWaitsForItIsAHangTheSimulationReports) {
    // The GUI thread waits for the worker without taking messages; the
    // worker's send can never be delivered. Windows would hang for good.
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    Receiver seen;
    const Hwnd notify = ReceiverWindow(w, seen);
    auto worker = vcl::TThread::Create<PollingWorker>(w.panelProcess.Platform(), false, notify);
    w.Advance(250);
    Platform& ports = w.panelProcess.Platform();
    const Handle thread = w.world.Journal().Of(Api::CreateThread).back().lParam;
    EXPECT_EQ(ports.threads.WaitForSingleObject(thread, INFINITE), WAIT_TIMEOUT);
    EXPECT_EQ(w.world.hangs.size(), 1u);
    EXPECT_EQ(seen.reports, 0);
    // Once the GUI thread is back in its loop the report arrives.
    w.Advance(0);
    EXPECT_EQ(seen.reports, 1);
}

TEST(WorkerThread, AProcessThatEndsUnwindsItsWaitingWorkerAndReleasesItsHandles) {
    sim::SimWorld world;
    struct Sleeper : ThreadBody {
        explicit Sleeper(Platform& p) : ports(p) {}
        Platform& ports;
        bool unwound = false;
        int naps = 0;
        DWord Run() override {
            struct Unwind {
                bool& flag;
                ~Unwind() { flag = true; }
            } unwind{unwound};
            for (;;) {
                ports.sync.Sleep(50);
                ++naps;
            }
        }
    };
    auto process = std::make_unique<sim::SimProcess>(world, "app");
    Sleeper body(process->Platform());
    DWord tid = 0;
    ASSERT_NE(process->threads.CreateThread(body, false, &tid), 0u);
    world.Advance(120);
    EXPECT_EQ(body.naps, 2);
    process->Exit();
    EXPECT_TRUE(body.unwound);
    EXPECT_TRUE(world.FindThread(tid)->exited);
    EXPECT_EQ(world.kernel.OpenHandles(process->ProcessId()), 0u);
    world.Advance(500);
    EXPECT_EQ(body.naps, 2);
}
