// Showing, hiding and ending the main window, and what postpones its
// auto-hide.
#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "support/PanelWorld.h"

using namespace platform;
using testing_support::PanelWorld;

namespace {

struct ShownPanel : PanelWorld {
    ShownPanel() {
        Start();
        Form().ShowMainWindow();
        Advance(0);
    }
    std::uint64_t AutoHideDue() { return world.TimerDue(Panel(), Form().TimerMin.Id()); }
    void PostInput(UInt msg, WParam wParam, Hwnd to = 0) {
        panelProcess.PostMessageA(to ? to : Panel(), msg, wParam, 0);
        Advance(0);
    }
};

}  // namespace

TEST(MainWindow, ShowingRestoresTheApplicationAndBringsTheWindowToTheFront) {
    ShownPanel w;
    EXPECT_TRUE(w.panelProcess.IsWindowVisible(w.Panel()));
    EXPECT_EQ(w.world.foreground, w.Panel());
    EXPECT_TRUE(w.TimerRunning(w.Form().TimerMin));
    EXPECT_EQ(w.AutoHideDue(), w.world.Now() + 10000);
    // The application's own window was restored before the main window came up.
    const auto shows = w.PanelCalls("ShowWindow");
    ASSERT_FALSE(shows.empty());
    EXPECT_EQ(shows.front().hwnd, w.Owner());
}

TEST(MainWindow, HidesItselfTenSecondsAfterTheLastInput) {
    ShownPanel w;
    w.Advance(6000);
    w.PostInput(WM_KEYDOWN, 'A');
    EXPECT_EQ(w.AutoHideDue(), w.world.Now() + 10000);
    w.Advance(4000);
    w.PostInput(WM_MOUSEMOVE, 0);  // no button held: not input
    w.Advance(5999);
    EXPECT_TRUE(w.panelProcess.IsWindowVisible(w.Panel()));
    w.Advance(1);
    EXPECT_FALSE(w.panelProcess.IsWindowVisible(w.Panel()));
    EXPECT_FALSE(w.TimerRunning(w.Form().TimerMin));
    EXPECT_TRUE(w.Running());
}

TEST(MainWindow, ButtonsWheelKeysAndDragsInAnyWindowPostponeTheAutoHide) {
    const std::pair<UInt, WParam> inputs[] = {
        {WM_KEYDOWN, 13},    {WM_LBUTTONDOWN, 1}, {WM_RBUTTONDOWN, 2}, {WM_MBUTTONDOWN, 0x10},
        {WM_MOUSEWHEEL, 0},  {WM_MOUSEMOVE, 1},   {WM_MOUSEMOVE, 4 /* shift */}};
    for (const auto& [msg, wParam] : inputs) {
        ShownPanel w;
        w.Advance(3000);
        w.PostInput(msg, wParam, w.Program().Form2()->Handle());
        EXPECT_EQ(w.AutoHideDue(), w.world.Now() + 10000) << msg;
    }
    for (UInt msg : {WM_KEYUP, WM_LBUTTONUP, WM_CHAR}) {
        ShownPanel w;
        w.Advance(3000);
        w.PostInput(msg, 1);
        EXPECT_EQ(w.AutoHideDue(), w.world.Now() + 7000) << msg;
    }
}

TEST(MainWindow, InputWhileHiddenDoesNotStartTheAutoHide) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    w.panelProcess.PostMessageA(w.Panel(), WM_KEYDOWN, 'A', 0);
    w.Advance(0);
    w.Form().RestartTimerIfRunning(w.Form().TimerMin);
    EXPECT_FALSE(w.TimerRunning(w.Form().TimerMin));
}

TEST(MainWindow, ActivationPostponesTheAutoHide) {
    ShownPanel w;
    w.Advance(4000);
    sim::SimProcess other(w.world, "other");
    LResult ignored;
    other.SendMessageTimeoutA(w.Panel(), WM_ACTIVATE, 1, 0, SMTO_ABORTIFHUNG, 100, &ignored);
    EXPECT_EQ(w.AutoHideDue(), w.world.Now() + 10000);
}

TEST(MainWindow, ClosingHidesToTheTrayAndOnlyExitEndsTheProgram) {
    ShownPanel w;
    w.panelProcess.PostMessageA(w.Panel(), WM_CLOSE, 0, 0);
    w.Advance(0);
    EXPECT_TRUE(w.Running());
    EXPECT_FALSE(w.panelProcess.IsWindowVisible(w.Panel()));
    EXPECT_FALSE(w.panelProcess.IsWindowVisible(w.Owner()));
    w.Form().ItemExit.Click();
    w.Advance(0);
    EXPECT_FALSE(w.Running());
}

TEST(MainWindow, BringToFrontOnTheForegroundWindowDoesNothingMore) {
    ShownPanel w;
    const size_t shows = w.PanelCalls("ShowWindow").size();
    EXPECT_TRUE(w.Form().BringToFront(w.Panel()));
    EXPECT_EQ(w.PanelCalls("ShowWindow").size(), shows);
    EXPECT_TRUE(w.PanelCalls("AttachThreadInput").empty() ||
                w.PanelCalls("AttachThreadInput").size() % 2 == 0);
}

TEST(MainWindow, BringToFrontFromAnotherThreadsForegroundAttachesInputAroundTheSwitch) {
    ShownPanel w;
    sim::SimProcess other(w.world, "other");
    const Hwnd elsewhere = other.CreatePeerWindow("Other", "other", nullptr);
    w.world.foreground = elsewhere;
    w.panelProcess.ShowWindow(w.Panel(), SW_MINIMIZE);
    const int start = static_cast<int>(w.world.Journal().Calls().size());
    EXPECT_TRUE(w.Form().BringToFront(w.Panel()));
    EXPECT_EQ(w.world.foreground, w.Panel());
    const auto& calls = w.world.Journal().Calls();
    std::vector<std::string> sequence;
    for (size_t i = static_cast<size_t>(start); i < calls.size(); ++i)
        if (calls[i].thread == w.panelProcess.ThreadId() &&
            (calls[i].api == "AttachThreadInput" || calls[i].api == "SetForegroundWindow" ||
             calls[i].api == "ShowWindow"))
            sequence.push_back(calls[i].api);
    const std::vector<std::string> expected = {"AttachThreadInput", "SetForegroundWindow",
                                               "AttachThreadInput", "ShowWindow"};
    EXPECT_EQ(sequence, expected);
    EXPECT_EQ(w.PanelCalls("ShowWindow").back().wParam, static_cast<WParam>(SW_RESTORE));
    EXPECT_EQ(w.PanelCalls("AttachThreadInput").back().flags, 0u);
}

TEST(MainWindow, RefusedForegroundIsReportedAndTheWindowStillShows) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    w.world.foregroundLocked = true;
    EXPECT_FALSE(w.Form().BringToFront(w.Panel()));
    EXPECT_TRUE(w.panelProcess.IsWindowVisible(w.Panel()));
}
