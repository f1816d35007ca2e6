// The simulated Windows behaves as the panel relies on Windows to behave.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/WinConst.h"
#include "sim/SimProcess.h"

using sim::Api;
using namespace platform;
using sim::SimProcess;
using sim::SimWorld;

TEST(SimWorld, ASendToAnotherThreadNestsTheReceiversSendsAndReportsTheReply) {
    SimWorld world;
    SimProcess a(world, "a"), b(world, "b");
    std::vector<std::string> order;
    bool inSendBeforeReply = false, inSendAfterReply = true;
    Hwnd aWindow = a.CreatePeerWindow("A", "a", [&](Hwnd, UInt msg, WParam, LParam) -> LResult {
        order.push_back("a got " + std::to_string(msg));
        return 5;
    });
    Hwnd bWindow = b.CreatePeerWindow("B", "b", [&](Hwnd, UInt msg, WParam, LParam) -> LResult {
        order.push_back("b got " + std::to_string(msg));
        inSendBeforeReply = b.messages.InSendMessage();
        b.messages.ReplyMessage(42);
        inSendAfterReply = b.messages.InSendMessage();
        LResult r = 0;
        b.messages.SendMessageTimeoutA(aWindow, 2, 0, 0, SMTO_ABORTIFHUNG, 500, &r);
        order.push_back("b's send answered " + std::to_string(r));
        return 7;  // ignored: the reply counts
    });
    LResult answer = 0;
    ASSERT_TRUE(a.messages.SendMessageTimeoutA(bWindow, 1, 0, 0, SMTO_ABORTIFHUNG, 500, &answer));
    EXPECT_EQ(answer, 42);
    EXPECT_TRUE(inSendBeforeReply);
    EXPECT_FALSE(inSendAfterReply);
    EXPECT_EQ(order, (std::vector<std::string>{"b got 1", "a got 2", "b's send answered 5"}));
    EXPECT_FALSE(a.messages.InSendMessage());
}

TEST(SimWorld, SameThreadSendsArePlainCallsAndCannotBeReplied) {
    SimWorld world;
    SimProcess a(world, "a");
    bool replied = true, inSend = true;
    Hwnd w = a.CreatePeerWindow("A", "a", [&](Hwnd, UInt, WParam, LParam) -> LResult {
        inSend = a.messages.InSendMessage();
        replied = a.messages.ReplyMessage(9);
        return 3;
    });
    EXPECT_EQ(a.messages.SendMessageA(w, 1, 0, 0), 3);
    EXPECT_FALSE(inSend);
    EXPECT_FALSE(replied);
}

TEST(SimWorld, CopyDataCrossesThreadsAsACopyOfTheSendersBytes) {
    SimWorld world;
    SimProcess a(world, "a"), b(world, "b");
    std::string seen;
    const void* seenPointer = nullptr;
    Hwnd bWindow = b.CreatePeerWindow("B", "b", [&](Hwnd, UInt msg, WParam, LParam l) -> LResult {
        if (msg != WM_COPYDATA) return 0;
        const auto* cds = reinterpret_cast<const CopyDataStruct*>(l);
        seenPointer = cds->lpData;
        seen.assign(static_cast<const char*>(cds->lpData), cds->cbData);
        return 1;
    });
    char bytes[] = "abc";
    CopyDataStruct cds;
    cds.cbData = 3;
    cds.lpData = bytes;
    LResult r;
    a.messages.SendMessageTimeoutA(bWindow, WM_COPYDATA, 0, ToLParam(&cds), SMTO_ABORTIFHUNG, 500,
                                   &r);
    EXPECT_EQ(seen, "abc");
    EXPECT_NE(seenPointer, static_cast<const void*>(bytes));
    ASSERT_EQ(world.Journal().Of(Api::SendMessageTimeoutA).size(), 1u);
    EXPECT_EQ(world.Journal().Of(Api::SendMessageTimeoutA)[0].data.size(), 3u);
}

TEST(SimWorld, HungWindowsFailSendsAtOnceWithAbortIfHungAndAfterTheTimeoutWithout) {
    SimWorld world;
    SimProcess a(world, "a"), b(world, "b");
    Hwnd bWindow = b.CreatePeerWindow("B", "b", nullptr);
    world.Window(bWindow)->hung = true;
    LResult r;
    EXPECT_FALSE(a.messages.SendMessageTimeoutA(bWindow, 1, 0, 0, SMTO_ABORTIFHUNG, 500, &r));
    EXPECT_EQ(world.Now(), 0u);
    EXPECT_FALSE(a.messages.SendMessageTimeoutA(bWindow, 1, 0, 0, SMTO_NORMAL, 500, &r));
    EXPECT_EQ(world.Now(), 500u);
    EXPECT_FALSE(a.messages.SendMessageTimeoutA(0x1234, 1, 0, 0, SMTO_ABORTIFHUNG, 500, &r));
}

TEST(SimWorld, BroadcastReachesEveryTopLevelWindowIncludingTheSenders) {
    SimWorld world;
    SimProcess a(world, "a"), b(world, "b");
    int hits = 0;
    auto count = [&](Hwnd, UInt msg, WParam, LParam) -> LResult { return msg == 77 ? ++hits : 0; };
    a.CreatePeerWindow("A", "a", count);
    b.CreatePeerWindow("B", "b1", count);
    b.CreatePeerWindow("B", "b2", count);
    LResult r;
    EXPECT_TRUE(
        a.messages.SendMessageTimeoutA(HWND_BROADCAST, 77, 0, 0, SMTO_ABORTIFHUNG, 500, &r));
    EXPECT_EQ(hits, 3);
}

TEST(SimWorld, TimersFireEveryIntervalOnTheVirtualClockAndRestartFromNow) {
    SimWorld world;
    SimProcess a(world, "a");
    std::vector<std::uint64_t> ticks;
    Hwnd w = a.CreatePeerWindow("A", "a", [&](Hwnd, UInt msg, WParam id, LParam) -> LResult {
        if (msg == WM_TIMER && id == 3) ticks.push_back(world.Now());
        return 0;
    });
    a.timers.SetTimer(w, 3, 300);
    world.Advance(1000);
    EXPECT_EQ(ticks, (std::vector<std::uint64_t>{300, 600, 900}));
    a.timers.SetTimer(w, 3, 300);  // again: a full interval from now
    world.Advance(250);
    EXPECT_EQ(ticks.size(), 3u);
    world.Advance(50);
    EXPECT_EQ(ticks.back(), 1300u);
    a.timers.KillTimer(w, 3);
    world.Advance(5000);
    EXPECT_EQ(ticks.size(), 4u);
}

TEST(SimWorld, PostedMessagesQueueInOrderAndQuitComesBeforeTimers) {
    SimWorld world;
    SimProcess a(world, "a");
    Hwnd w = a.CreatePeerWindow("A", "a", nullptr);
    a.timers.SetTimer(w, 1, 10);
    world.Advance(20);  // default pump handles the timer
    a.messages.PostMessageA(w, 100, 1, 0);
    a.messages.PostMessageA(w, 101, 2, 0);
    a.messages.PostQuitMessage(0);
    world.Advance(0);
    Msg m;
    // Nothing left: the default pump delivered them.
    EXPECT_FALSE(a.messages.PeekMessageA(m, 0, 0, 0, PM_REMOVE) && m.message != WM_TIMER);
    a.SetPump([] {});  // a thread that does not read its queue
    a.messages.PostMessageA(w, 100, 1, 0);
    a.messages.PostQuitMessage(0);
    world.Advance(15);
    ASSERT_TRUE(a.messages.PeekMessageA(m, 0, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, 100u);
    ASSERT_TRUE(a.messages.PeekMessageA(m, 0, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, WM_QUIT);
    ASSERT_TRUE(a.messages.PeekMessageA(m, 0, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, WM_TIMER);
}

TEST(SimWorld, NamedSemaphoresLiveAsLongAsAProcessHoldsThem) {
    SimWorld world;
    {
        SimProcess first(world, "first");
        first.sync.CreateSemaphoreA(1, 1, "name");
        EXPECT_EQ(first.sync.GetLastError(), 0u);
        SimProcess second(world, "second");
        second.sync.CreateSemaphoreA(1, 1, "name");
        EXPECT_EQ(second.sync.GetLastError(), ERROR_ALREADY_EXISTS);
        second.Exit();
        EXPECT_TRUE(world.SemaphoreExists("name"));
    }
    EXPECT_FALSE(world.SemaphoreExists("name"));
}

TEST(SimWorld, RegisteredMessagesAreSharedAndIgnoreLetterCase) {
    SimWorld world;
    SimProcess a(world, "a"), b(world, "b");
    const UInt id = a.messages.RegisterWindowMessageA("Hello");
    EXPECT_GE(id, 0xC000u);
    EXPECT_EQ(b.messages.RegisterWindowMessageA("hello"), id);
    EXPECT_NE(b.messages.RegisterWindowMessageA("other"), id);
}

TEST(SimWorld, GetMessageWaitsForTheNextTimerAndEndsWhenNothingIsLeft) {
    SimWorld world;
    SimProcess a(world, "a");
    Hwnd w = a.CreatePeerWindow("A", "a", nullptr);
    a.timers.SetTimer(w, 1, 250);
    Msg m;
    ASSERT_TRUE(a.messages.GetMessageA(m, 0, 0, 0));
    EXPECT_EQ(m.message, WM_TIMER);
    EXPECT_EQ(world.Now(), 250u);
    a.timers.KillTimer(w, 1);
    EXPECT_FALSE(a.messages.GetMessageA(m, 0, 0, 0));
}

TEST(SimWorld, ASameThreadSendInsideACrossThreadSendKeepsTheReceivedSendUntilItIsReplied) {
    SimWorld world;
    SimProcess a(world, "a"), b(world, "b");
    std::vector<std::string> seen;
    Hwnd inner = b.CreatePeerWindow("Inner", "", [&](Hwnd, UInt msg, WParam, LParam) -> LResult {
        seen.push_back("inner " + std::to_string(msg) + " in send " +
                       std::to_string(b.messages.InSendMessage()));
        if (msg == 2) {
            // Replies to the outer send, the one from the other thread.
            EXPECT_TRUE(b.messages.ReplyMessage(11));
            seen.push_back("after reply in send " + std::to_string(b.messages.InSendMessage()));
        }
        return 0;
    });
    Hwnd outer = b.CreatePeerWindow("Outer", "", [&](Hwnd, UInt, WParam, LParam) -> LResult {
        b.messages.SendMessageA(inner, 1, 0, 0);
        b.messages.SendMessageA(inner, 2, 0, 0);
        seen.push_back("outer in send " + std::to_string(b.messages.InSendMessage()));
        return 99;
    });
    LResult answer = 0;
    ASSERT_TRUE(a.messages.SendMessageTimeoutA(outer, 5, 0, 0, SMTO_ABORTIFHUNG, 500, &answer));
    EXPECT_EQ(answer, 11);
    EXPECT_EQ(seen, (std::vector<std::string>{"inner 1 in send 1", "inner 2 in send 1",
                                              "after reply in send 0", "outer in send 0"}));
}
