// A second start hands its request to the running instance and ends.
#include <gtest/gtest.h>

#include "app/SingleInstance.h"
#include "support/PanelWorld.h"

using sim::Api;
using namespace platform;
using testing_support::PanelWorld;

namespace {

// Sends a request to the running panel as another process would.
LResult Request(PanelWorld& w, UInt message, WParam wParam, LParam lParam) {
    sim::SimProcess other(w.world, "other");
    LResult result = 0;
    other.messages.SendMessageTimeoutA(w.Panel(), message, wParam, lParam, SMTO_ABORTIFHUNG, 3000,
                                       &result);
    return result;
}

}  // namespace

TEST(SingleInstance, FirstStartStaysUpHiddenAndPublishesItsWindow) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    w.Advance(100);
    EXPECT_TRUE(w.Running());
    EXPECT_FALSE(w.panelProcess.windows.IsWindowVisible(w.Panel()));
    EXPECT_TRUE(w.world.SemaphoreExists(app::kSemaphoreName));
    const Hwnd owner = w.panelProcess.windows.FindWindowA("TApplication", "USB Phone keyboard UI");
    ASSERT_NE(owner, 0u);
    EXPECT_EQ(owner, w.Owner());
    EXPECT_EQ(w.panelProcess.windows.GetPropA(owner, "USB Phone keyboard UI Form"), w.Panel());
}

TEST(SingleInstance, SecondStartWithoutArgumentsShowsTheRunningWindow) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    const std::uint64_t before = w.world.Now();
    EXPECT_EQ(w.SecondStart({}), 0);
    EXPECT_TRUE(w.Running());
    EXPECT_TRUE(w.panelProcess.windows.IsWindowVisible(w.Panel()));
    EXPECT_EQ(w.world.desktop.foreground, w.Panel());
    // The second instance waits 500 ms before it ends.
    EXPECT_GE(w.world.Now() - before, 500u);
    // It never made a window of its own.
    const auto created = w.world.Journal().Of(Api::CreateWindowExA);
    // Owner, tray icon's and mixer's windows, main window, indicator: all
    // the first's.
    EXPECT_EQ(created.size(), 5u);
}

TEST(SingleInstance, SecondStartRequestsShowUnlessTheOnlyArgumentIsTheQuitSwitch) {
    const std::vector<std::vector<std::string>> showArgs = {{"JovSearchMode"},
                                                            {"JovDestroyMode", "x"},
                                                            {"jovdestroymode"},
                                                            {"JovDestroyMode "},
                                                            {"other"}};
    for (const auto& args : showArgs) {
        PanelWorld w;
        ASSERT_TRUE(w.Start());
        EXPECT_EQ(w.SecondStart(args), 0);
        const auto requests = w.world.Journal().Of(Api::SendMessageTimeoutA, app::WM_INSTANCE_SHOW);
        ASSERT_EQ(requests.size(), 1u) << args[0];
        EXPECT_EQ(requests[0].wParam, 51772u);
        EXPECT_EQ(requests[0].lParam, 0x5A1C7E93);
        EXPECT_EQ(requests[0].flags, SMTO_ABORTIFHUNG);
        EXPECT_EQ(requests[0].timeout, 3000u);
        EXPECT_TRUE(w.Running());
    }
}

TEST(SingleInstance, SecondStartWithQuitSwitchEndsTheRunningInstance) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    EXPECT_EQ(w.SecondStart({"JovDestroyMode"}), 0);
    EXPECT_FALSE(w.Running());
    // The running instance withdrew its published handle as it ended.
    EXPECT_EQ(w.PanelCalls(Api::RemovePropA).size(), 1u);
    EXPECT_FALSE(w.panelProcess.windows.IsWindow(w.Owner()) &&
                 w.panelProcess.windows.GetPropA(w.Owner(), "USB Phone keyboard UI Form") != 0);
}

TEST(SingleInstance, SecondStartFindingNoPublishedWindowSendsNothingAndWaits) {
    sim::SimWorld world;
    sim::SimProcess holder(world, "holder");
    holder.sync.CreateSemaphoreA(1, 1, app::kSemaphoreName);  // started, no window yet
    sim::SimProcess second(world, "second");
    app::Program program(second.Platform(), {});
    EXPECT_EQ(program.Main(), 0);
    EXPECT_TRUE(world.Journal().Of(Api::SendMessageTimeoutA).empty());
    const auto sleeps = world.Journal().Of(Api::Sleep);
    ASSERT_EQ(sleeps.size(), 1u);
    EXPECT_EQ(sleeps[0].timeout, 500u);
    EXPECT_TRUE(world.Journal().Of(Api::CreateWindowExA).empty());
}

TEST(SingleInstance, RequestsWithAWrongSignatureAreAnsweredAndChangeNothing) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    const std::pair<WParam, LParam> wrong[] = {
        {51772, 0x5A1C7E94}, {51773, 0x5A1C7E93}, {0, 0}, {0x5A1C7E93, 51772}};
    for (const auto& [wp, lp] : wrong) {
        EXPECT_EQ(Request(w, app::WM_INSTANCE_SHOW, wp, lp), 1);
        EXPECT_EQ(Request(w, app::WM_INSTANCE_QUIT, wp, lp), 1);
    }
    w.Advance(10);
    EXPECT_TRUE(w.Running());
    EXPECT_FALSE(w.Form().ExitRequested);
    EXPECT_FALSE(w.panelProcess.windows.IsWindowVisible(w.Panel()));
    EXPECT_FALSE(w.TimerRunning(w.Form().TimerMin));
    // The right signature does act.
    EXPECT_EQ(Request(w, app::WM_INSTANCE_SHOW, 51772, 0x5A1C7E93), 1);
    EXPECT_TRUE(w.panelProcess.windows.IsWindowVisible(w.Panel()));
}

TEST(SingleInstance, FirstStartWithDestroySwitchBuildsItsWindowsGreetsAndEnds) {
    PanelWorld w;
    w.Start({"JovDestroyMode"});
    EXPECT_FALSE(w.Running());
    EXPECT_EQ(w.PanelCalls(Api::SendMessageTimeoutA, w.driver.MsgAttach()).size(), 1u);
    EXPECT_EQ(w.PanelCalls(Api::RemovePropA).size(), 1u);
    EXPECT_EQ(w.PanelCalls(Api::CreateWindowExA).size(), 5u);
}

TEST(SingleInstance, SearchSwitchOnTheFirstStartSetsSearchMode) {
    PanelWorld a;
    ASSERT_TRUE(a.Start({"JovSearchMode"}));
    EXPECT_TRUE(a.Form().SearchMode);
    PanelWorld b;
    ASSERT_TRUE(b.Start({"JovSearchMode", "JovSearchMode"}));
    EXPECT_FALSE(b.Form().SearchMode);
}
