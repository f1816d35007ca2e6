// The link with the handset driver: greeting, Discover, the status message,
// the watchdog, commands and replies.
#include <gtest/gtest.h>

#include "driverlink/HandsetMessage.h"
#include "platform/WinConst.h"
#include "support/PanelWorld.h"

using sim::Api;
using namespace platform;
using driverlink::WM_HANDSET;
using testing_support::PanelWorld;

namespace {

constexpr std::uint32_t kPresentAndReady = driverlink::kHandsetPresent | driverlink::kSkypeReady;
const std::uint32_t kStatus = sim::SimDriver::StatusLParam(0, 0);

struct LinkedPanel : PanelWorld {
    LinkedPanel() {
        Start();
        driver.Discover(Panel());
        Advance(0);
        driver.ClearReceived();
    }
};

}  // namespace

TEST(DriverLink, RegistersItsThreeMessagesInOrderWithIdsSharedByAllProcesses) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    // The tray icon's "TaskbarCreated" is registered too, by its component.
    const DWord tid = w.panelProcess.ThreadId();
    const auto registered = w.world.Journal().Where([&](const sim::SimCall& c) {
        return c.thread == tid && c.api == Api::RegisterWindowMessageA &&
               c.text != "TaskbarCreated";
    });
    ASSERT_EQ(registered.size(), 3u);
    EXPECT_EQ(registered[0].text, "winmm_devicechange");
    EXPECT_EQ(registered[1].text, "KESTAVWiredUIDiscover");
    EXPECT_EQ(registered[2].text, "KESTAVWiredUIAttach");
    EXPECT_EQ(w.Form().MsgDevChange, registered[0].msg);
    EXPECT_EQ(w.Form().MsgDiscover, w.driver.MsgDiscover());
    EXPECT_EQ(w.Form().MsgAttach, w.driver.MsgAttach());
}

TEST(DriverLink, GreetingIsOneBoundedBroadcastThatEveryTopLevelWindowReceives) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    const auto greetings = w.PanelCalls(Api::SendMessageTimeoutA, w.Form().MsgAttach);
    ASSERT_EQ(greetings.size(), 1u);
    EXPECT_EQ(greetings[0].hwnd, HWND_BROADCAST);
    EXPECT_EQ(greetings[0].wParam, w.Panel());
    EXPECT_EQ(greetings[0].lParam, 0x8001);
    EXPECT_EQ(greetings[0].flags, SMTO_ABORTIFHUNG);
    EXPECT_EQ(greetings[0].timeout, 500u);
    const auto atDriver = w.driver.ReceivedOf(w.driver.MsgAttach());
    ASSERT_EQ(atDriver.size(), 1u);
    EXPECT_EQ(atDriver[0].wParam, w.Panel());
    EXPECT_EQ(atDriver[0].lParam, 0x8001);
    // The panel's own window got it too and did nothing with it.
    EXPECT_EQ(w.Form().DrvWnd, 0u);
}

TEST(DriverLink, DriverAnsweringTheGreetingLinksThePanelDuringItsConstruction) {
    PanelWorld w;
    w.driver.answerGreeting = true;
    ASSERT_TRUE(w.Start());
    w.Advance(0);
    EXPECT_EQ(w.Form().DrvWnd, w.driver.Window());
    const auto acks = w.driver.ReceivedOf(w.driver.MsgAttach());
    ASSERT_EQ(acks.size(), 2u);  // the greeting, then the posted acknowledgement
    EXPECT_TRUE(acks[1].posted);
    EXPECT_EQ(acks[1].wParam, w.Panel());
    EXPECT_EQ(acks[1].lParam, 0);
}

TEST(DriverLink, DiscoverIsAnsweredStoresTheDriverAndPostsOneAcknowledgement) {
    PanelWorld w;
    ASSERT_TRUE(w.Start({"JovSearchMode"}));
    w.Advance(1000);
    EXPECT_EQ(w.driver.Discover(w.Panel()), 1);
    EXPECT_EQ(w.Form().DrvWnd, w.driver.Window());
    EXPECT_EQ(w.Form().DrvWndSaved, w.driver.Window());
    EXPECT_FALSE(w.Form().SearchMode);
    // The watchdog runs a full interval from the Discover.
    EXPECT_EQ(w.world.TimerDue(w.Panel(), w.Form().TimerDrvCheck.Id()), w.world.Now() + 3000);
    w.Advance(0);
    const auto posted = w.driver.ReceivedOf(w.driver.MsgAttach());
    ASSERT_EQ(posted.size(), 2u);  // greeting + acknowledgement
    EXPECT_TRUE(posted[1].posted);
    EXPECT_EQ(posted[1].wParam, w.Panel());
    EXPECT_EQ(posted[1].lParam, 0);
}

TEST(DriverLink, RepeatedAndEmptyDiscoverAcknowledgeTheOldAndNewWindows) {
    LinkedPanel w;
    // The same window again: it hears twice.
    w.driver.Discover(w.Panel());
    w.Advance(0);
    EXPECT_EQ(w.driver.ReceivedOf(w.driver.MsgAttach()).size(), 2u);
    w.driver.ClearReceived();
    // wParam 0 unlinks; only the previous window is told.
    EXPECT_EQ(w.driver.DiscoverWith(w.Panel(), 0), 1);
    w.Advance(0);
    EXPECT_EQ(w.Form().DrvWnd, 0u);
    EXPECT_EQ(w.Form().DrvWndSaved, 0u);
    EXPECT_EQ(w.driver.ReceivedOf(w.driver.MsgAttach()).size(), 1u);
    EXPECT_EQ(w.PanelCalls(Api::PostMessageA, w.Form().MsgAttach).back().hwnd, w.driver.Window());
}

TEST(DriverLink, AttachFromAnyoneIsAnsweredAndChangesNothing) {
    LinkedPanel w;
    EXPECT_EQ(w.driver.Send(w.Panel(), w.Form().MsgAttach, 1234, 0x8001), 1);
    EXPECT_EQ(w.driver.Send(w.Panel(), w.Form().MsgAttach, 0, 0), 1);
    EXPECT_EQ(w.Form().DrvWnd, w.driver.Window());
    EXPECT_TRUE(w.driver.Commands().empty());
}

TEST(DriverLink, HandsetMessageIsAnsweredFirstThenRecordedAndRestartsTheWatchdog) {
    LinkedPanel w;
    w.Advance(2000);
    const int before = static_cast<int>(w.world.Journal().Calls().size());
    EXPECT_EQ(w.driver.Status(w.Panel(), kPresentAndReady, 0x06010BFF), 1);
    EXPECT_EQ(w.Form().StatusW, kPresentAndReady);
    EXPECT_EQ(w.Form().StatusL, 0x06010BFFu);
    EXPECT_EQ(w.world.TimerDue(w.Panel(), w.Form().TimerDrvCheck.Id()), w.world.Now() + 3000);
    // The answer goes out before the watchdog is touched.
    auto& journal = w.world.Journal();
    const int reply =
        journal.IndexOf([](const sim::SimCall& c) { return c.api == Api::ReplyMessage; }, before);
    const int restart =
        journal.IndexOf([](const sim::SimCall& c) { return c.api == Api::SetTimer; }, before);
    ASSERT_GE(reply, 0);
    ASSERT_GE(restart, 0);
    EXPECT_LT(reply, restart);
    // A key message keeps the last status fields too, whatever its bit 8.
    EXPECT_EQ(w.driver.Key(w.Panel(), 36, 0, 0x01000000), 1);
    EXPECT_EQ(w.Form().StatusW, 0u);
    EXPECT_EQ(w.Form().StatusL, 0x01000024u);
}

TEST(DriverLink, CommandFrameIsBangTextAndZeroSentBoundedToTheDriver) {
    LinkedPanel w;
    w.Form().SendDrvCommand("GET AUDIO_IN");
    const auto received = w.driver.ReceivedOf(WM_COPYDATA);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].wParam, w.Panel());
    EXPECT_EQ(received[0].dwData, 0u);
    EXPECT_EQ(received[0].cbData, 14u);
    const std::vector<std::uint8_t> expected = {'!', 'G', 'E', 'T', ' ', 'A', 'U',
                                                'D', 'I', 'O', '_', 'I', 'N', 0};
    EXPECT_EQ(received[0].bytes, expected);
    const auto sends = w.PanelCalls(Api::SendMessageTimeoutA, WM_COPYDATA);
    ASSERT_EQ(sends.size(), 1u);
    EXPECT_EQ(sends[0].hwnd, w.driver.Window());
    EXPECT_EQ(sends[0].flags, SMTO_ABORTIFHUNG);
    EXPECT_EQ(sends[0].timeout, 500u);
}

TEST(DriverLink, CommandsAreDroppedWithoutALinkOrWithoutText) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    w.Form().SendDrvCommand("GET AUDIO_OUT");  // never linked
    w.driver.Discover(w.Panel());
    w.Form().SendDrvCommand("");
    EXPECT_TRUE(w.driver.ReceivedOf(WM_COPYDATA).empty());
    EXPECT_TRUE(w.PanelCalls(Api::SendMessageTimeoutA, WM_COPYDATA).empty());
    // A status message without any Discover does not link the panel.
    PanelWorld unlinked;
    ASSERT_TRUE(unlinked.Start());
    unlinked.driver.Status(unlinked.Panel(), kPresentAndReady, kStatus);
    unlinked.Form().SendDrvCommand("GET AUDIO_OUT");
    EXPECT_EQ(unlinked.Form().DrvWnd, 0u);
    EXPECT_TRUE(unlinked.driver.ReceivedOf(WM_COPYDATA).empty());
}

TEST(DriverLink, DeviceReplyArrivesNestedInsideTheCommandsSendAndIsAnswered) {
    LinkedPanel w;
    std::vector<std::string> seen;
    w.driver.onCommand = [&](const std::string& c) { seen.push_back(c); };
    w.Form().SendDrvCommand("GET AUDIO_OUT");
    // The driver replied while the panel still waited in its send: the
    // panel's answer came back to the driver before that send returned.
    ASSERT_EQ(w.driver.ReplyAnswers().size(), 1u);
    EXPECT_EQ(w.driver.ReplyAnswers()[0], 1);
    EXPECT_EQ(seen, std::vector<std::string>{"GET AUDIO_OUT"});
    const auto& calls = w.world.Journal().Calls();
    const int send = w.world.Journal().IndexOf([](const sim::SimCall& c) {
        return c.api == Api::SendMessageTimeoutA && c.msg == WM_COPYDATA;
    });
    const int nested = w.world.Journal().IndexOf(
        [&](const sim::SimCall& c) {
            return c.api == Api::SendMessageTimeoutA && c.msg == WM_COPYDATA &&
                   c.thread == w.driver.Process().ThreadId();
        },
        send + 1);
    ASSERT_GE(nested, 0);
    EXPECT_EQ(calls[static_cast<size_t>(nested)].hwnd, w.Panel());
}

TEST(DriverLink, CommandsInsideAnUnansweredSendFromAnotherThreadAreDropped) {
    LinkedPanel w;
    // Another program activates the panel with a sent message; the handler
    // runs while that sender waits, so a command now could deadlock.
    w.Form().OnActivate = [&](vcl::TObject*) { w.Form().SendDrvCommand("GET AUDIO_IN"); };
    sim::SimProcess other(w.world, "other");
    LResult ignored;
    other.messages.SendMessageTimeoutA(w.Panel(), WM_ACTIVATE, 1, 0, SMTO_ABORTIFHUNG, 1000,
                                       &ignored);
    EXPECT_TRUE(w.driver.ReceivedOf(WM_COPYDATA).empty());
    // Once answered, the same handler's command goes out.
    w.Form().OnActivate = [&](vcl::TObject*) {
        w.panelProcess.messages.ReplyMessage(0);
        w.Form().SendDrvCommand("GET AUDIO_IN");
    };
    other.messages.SendMessageTimeoutA(w.Panel(), WM_ACTIVATE, 1, 0, SMTO_ABORTIFHUNG, 1000,
                                       &ignored);
    ASSERT_EQ(w.driver.ReceivedOf(WM_COPYDATA).size(), 1u);
    EXPECT_FALSE(w.driver.ReceivedOf(WM_COPYDATA)[0].panelInSend);
}

TEST(DriverLink, WatchdogLapsesAfterThreeSilentSecondsAndTheNextStatusRestoresTheLink) {
    LinkedPanel w;
    w.Advance(2999);
    EXPECT_EQ(w.Form().DrvWnd, w.driver.Window());
    w.Advance(1);
    EXPECT_EQ(w.Form().DrvWnd, 0u);
    EXPECT_EQ(w.Form().DrvWndSaved, w.driver.Window());
    EXPECT_FALSE(w.Form().TimerDrvCheck.Enabled());
    w.Form().SendDrvCommand("GET AUDIO_OUT");
    EXPECT_TRUE(w.driver.ReceivedOf(WM_COPYDATA).empty());
    // It stays off while nothing comes.
    w.Advance(10000);
    EXPECT_FALSE(w.TimerRunning(w.Form().TimerDrvCheck));
    // Any WM_HANDSET brings the link back without a new Discover.
    w.driver.Key(w.Panel(), 0, 0);
    EXPECT_EQ(w.Form().DrvWnd, w.driver.Window());
    EXPECT_TRUE(w.TimerRunning(w.Form().TimerDrvCheck));
    w.Form().SendDrvCommand("GET AUDIO_OUT");
    EXPECT_EQ(w.driver.Commands(), std::vector<std::string>{"GET AUDIO_OUT"});
}

TEST(DriverLink, StatusMessagesWithinEveryThreeSecondsKeepTheLink) {
    LinkedPanel w;
    for (int i = 0; i < 10; ++i) {
        w.Advance(2500);
        w.driver.Status(w.Panel(), kPresentAndReady, kStatus);
    }
    w.Advance(2900);
    EXPECT_EQ(w.Form().DrvWnd, w.driver.Window());
    // Attach and replies are no contact for the watchdog.
    w.driver.Send(w.Panel(), w.Form().MsgAttach, 0, 0);
    w.driver.Reply(w.Panel(), "AUDIO_OUT x");
    w.Advance(100);
    EXPECT_EQ(w.Form().DrvWnd, 0u);
}

TEST(DriverLink, SearchModeEndsAtTheFirstExpiryWithoutDiscover) {
    PanelWorld w;
    ASSERT_TRUE(w.Start({"JovSearchMode"}));
    // Status messages postpone the expiry but do not end search mode.
    for (int i = 0; i < 3; ++i) {
        w.Advance(2000);
        w.driver.Status(w.Panel(), kPresentAndReady, kStatus);
    }
    EXPECT_TRUE(w.Running());
    EXPECT_TRUE(w.Form().SearchMode);
    w.Advance(2999);
    EXPECT_TRUE(w.Running());
    w.Advance(1);
    EXPECT_FALSE(w.Running());
    // Never linked: no leaving Attach.
    EXPECT_TRUE(w.PanelCalls(Api::SendMessageTimeoutA, w.driver.MsgAttach()).size() == 1u);
}

TEST(DriverLink, SearchModeNeverEndsTheProgramOnceADiscoverCame) {
    PanelWorld w;
    ASSERT_TRUE(w.Start({"JovSearchMode"}));
    w.Advance(2000);
    w.driver.Discover(w.Panel());
    w.Advance(3000);  // lapses
    EXPECT_EQ(w.Form().DrvWnd, 0u);
    w.driver.Status(w.Panel(), kPresentAndReady, kStatus);
    w.Advance(20000);  // lapses again
    EXPECT_TRUE(w.Running());
}

TEST(DriverLink, SearchModeIsOverWhenTheDriverAnsweredTheGreetingDuringStartUp) {
    PanelWorld w;
    w.driver.answerGreeting = true;  // Discover arrives inside the greeting
    ASSERT_TRUE(w.Start({"JovSearchMode"}));
    EXPECT_FALSE(w.Form().SearchMode);
    w.Advance(10000);  // the driver is silent: the link lapses
    EXPECT_EQ(w.Form().DrvWnd, 0u);
    EXPECT_TRUE(w.Running());
}

TEST(DriverLink, LeavingAttachGoesOutAtExitOnlyWhileLinked) {
    {
        LinkedPanel w;
        w.Form().ItemExitClick(nullptr);
        w.Advance(0);
        ASSERT_FALSE(w.Running());
        const auto leaving = w.driver.ReceivedOf(w.driver.MsgAttach());
        ASSERT_EQ(leaving.size(), 1u);
        EXPECT_EQ(leaving[0].wParam, 0u);
        EXPECT_EQ(leaving[0].lParam, 0);
        EXPECT_FALSE(leaving[0].posted);
    }
    {
        LinkedPanel w;
        w.Advance(3000);  // lapsed
        w.Form().ItemExitClick(nullptr);
        w.Advance(0);
        ASSERT_FALSE(w.Running());
        EXPECT_TRUE(w.driver.ReceivedOf(w.driver.MsgAttach()).empty());
    }
    {
        LinkedPanel w;
        w.Advance(3000);
        w.driver.Status(w.Panel(), kPresentAndReady, kStatus);  // restores
        w.Form().ItemExitClick(nullptr);
        w.Advance(0);
        EXPECT_EQ(w.driver.ReceivedOf(w.driver.MsgAttach()).size(), 1u);
    }
}

TEST(DriverLink, AHungDriverNeverBlocksThePanel) {
    LinkedPanel w;
    w.world.Window(w.driver.Window())->hung = true;
    const std::uint64_t before = w.world.Now();
    w.Form().SendDrvCommand("GET AUDIO_OUT");
    w.Form().SendDrvCommand("GET AUDIO_IN");
    EXPECT_EQ(w.world.Now(), before);
    EXPECT_EQ(w.PanelCalls(Api::SendMessageTimeoutA, WM_COPYDATA).size(), 2u);  // no retry
    EXPECT_TRUE(w.driver.ReceivedOf(WM_COPYDATA).empty());
}
