// Showing, hiding and ending the main window, and what postpones its
// auto-hide.
#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "support/PanelWorld.h"

using sim::Api;
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
        panelProcess.messages.PostMessageA(to ? to : Panel(), msg, wParam, 0);
        Advance(0);
    }
};

}  // namespace

TEST(MainWindow, ShowingRestoresTheApplicationAndBringsTheWindowToTheFront) {
    ShownPanel w;
    EXPECT_TRUE(w.panelProcess.windows.IsWindowVisible(w.Panel()));
    EXPECT_EQ(w.world.desktop.foreground, w.Panel());
    EXPECT_TRUE(w.TimerRunning(w.Form().TimerMin));
    EXPECT_EQ(w.AutoHideDue(), w.world.Now() + 10000);
    // The application's own window was restored before the main window came up.
    const auto shows = w.PanelCalls(Api::ShowWindow);
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
    EXPECT_TRUE(w.panelProcess.windows.IsWindowVisible(w.Panel()));
    w.Advance(1);
    EXPECT_FALSE(w.panelProcess.windows.IsWindowVisible(w.Panel()));
    EXPECT_FALSE(w.TimerRunning(w.Form().TimerMin));
    EXPECT_TRUE(w.Running());
}

TEST(MainWindow, ButtonsWheelKeysAndDragsInAnyWindowPostponeTheAutoHide) {
    const std::pair<UInt, WParam> inputs[] = {{WM_KEYDOWN, 13},
                                              {WM_LBUTTONDOWN, 1},
                                              {WM_RBUTTONDOWN, 2},
                                              {WM_MBUTTONDOWN, 0x10},
                                              {WM_MOUSEWHEEL, 0},
                                              {WM_MOUSEMOVE, 1},
                                              {WM_MOUSEMOVE, 4 /* shift */}};
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
    w.panelProcess.messages.PostMessageA(w.Panel(), WM_KEYDOWN, 'A', 0);
    w.Advance(0);
    w.Form().RestartTimerIfRunning(w.Form().TimerMin);
    EXPECT_FALSE(w.TimerRunning(w.Form().TimerMin));
}

TEST(MainWindow, ActivationPostponesTheAutoHide) {
    ShownPanel w;
    w.Advance(4000);
    sim::SimProcess other(w.world, "other");
    LResult ignored;
    other.messages.SendMessageTimeoutA(w.Panel(), WM_ACTIVATE, 1, 0, SMTO_ABORTIFHUNG, 100,
                                       &ignored);
    EXPECT_EQ(w.AutoHideDue(), w.world.Now() + 10000);
}

TEST(MainWindow, ClosingHidesToTheTrayAndOnlyExitEndsTheProgram) {
    ShownPanel w;
    w.panelProcess.messages.PostMessageA(w.Panel(), WM_CLOSE, 0, 0);
    w.Advance(0);
    EXPECT_TRUE(w.Running());
    EXPECT_FALSE(w.panelProcess.windows.IsWindowVisible(w.Panel()));
    EXPECT_FALSE(w.panelProcess.windows.IsWindowVisible(w.Owner()));
    w.Form().ItemExit.Click();
    w.Advance(0);
    EXPECT_FALSE(w.Running());
}

TEST(MainWindow, BringToFrontOnTheForegroundWindowDoesNothingMore) {
    ShownPanel w;
    const size_t shows = w.PanelCalls(Api::ShowWindow).size();
    EXPECT_TRUE(w.Form().BringToFront(w.Panel()));
    EXPECT_EQ(w.PanelCalls(Api::ShowWindow).size(), shows);
    EXPECT_EQ(w.world.desktop.foreground, w.Panel());
    EXPECT_FALSE(w.world.desktop.AnyInputAttached());
}

TEST(MainWindow, BringToFrontTakesTheForegroundFromAnotherProgramAndRestoresTheWindow) {
    ShownPanel w;
    sim::SimProcess other(w.world, "other");
    const Hwnd elsewhere = other.CreatePeerWindow("Other", "other", nullptr);
    w.world.UserActivates(elsewhere);
    w.panelProcess.windows.ShowWindow(w.Panel(), SW_MINIMIZE);
    // Windows keeps a background program from simply taking the foreground.
    ASSERT_FALSE(w.panelProcess.windows.SetForegroundWindow(w.Panel()));
    EXPECT_TRUE(w.Form().BringToFront(w.Panel()));
    EXPECT_EQ(w.world.desktop.foreground, w.Panel());
    EXPECT_TRUE(w.panelProcess.windows.IsWindowVisible(w.Panel()));
    EXPECT_FALSE(w.panelProcess.windows.IsIconic(w.Panel()));
    // The input it borrowed for the switch is given back.
    EXPECT_FALSE(w.world.desktop.AnyInputAttached());
}

TEST(MainWindow, RefusedForegroundIsReportedAndTheWindowStillShows) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    w.world.desktop.foregroundLocked = true;
    EXPECT_FALSE(w.Form().BringToFront(w.Panel()));
    EXPECT_TRUE(w.panelProcess.windows.IsWindowVisible(w.Panel()));
}
