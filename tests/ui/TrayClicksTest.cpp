// The tray icon's clicks as the shell reports them: which open the menu,
// when and where, and which bring the window up.
#include <gtest/gtest.h>

#include "support/TrayWorld.h"

using namespace platform;
using testing_support::TrayWorld;

namespace {

struct ClickWorld : TrayWorld {
    ClickWorld() { Start(); }
};

}  // namespace

TEST(TrayClicks, ASingleLeftClickOpensTheMenuHalfASecondLaterWhereTheClickWas) {
    ClickWorld w;
    w.world.desktop.cursor = Point{1200, 990};
    w.Click();
    const std::uint64_t clicked = w.world.Now();
    w.world.desktop.cursor = Point{10, 20};  // the mouse moves on meanwhile
    w.Advance(499);
    EXPECT_EQ(w.MenusShown(), 0u);
    w.Advance(1);
    ASSERT_EQ(w.MenusShown(), 1u);
    EXPECT_EQ(w.LastMenu().shownAt, clicked + 500);
    EXPECT_EQ(w.LastMenu().at.x, 1200);
    EXPECT_EQ(w.LastMenu().at.y, 990);
    EXPECT_EQ(w.LastMenu().owner, w.Panel());
    EXPECT_FALSE(w.Shown());
    EXPECT_FALSE(w.TimerRunning(w.Form().TimerMouseUp));
}

TEST(TrayClicks, ADoubleClickRestoresTheWindowWithoutAMenuAndAThirdClickOpensItAgain) {
    ClickWorld w;
    w.DoubleClick();
    w.Advance(2000);
    EXPECT_TRUE(w.Shown());
    EXPECT_EQ(w.world.desktop.foreground, w.Panel());
    EXPECT_EQ(w.MenusShown(), 0u);

    ClickWorld again;
    again.DoubleClick();
    again.Click();
    again.Advance(499);
    EXPECT_EQ(again.MenusShown(), 0u);
    again.Advance(1);
    EXPECT_EQ(again.MenusShown(), 1u);
}

TEST(TrayClicks, TwoSeparateLeftClicksWithinHalfASecondOpenNothing) {
    ClickWorld w;
    w.Click();
    w.Advance(300);
    w.Click();
    w.Advance(2000);
    EXPECT_EQ(w.MenusShown(), 0u);
    EXPECT_FALSE(w.Shown());
}

TEST(TrayClicks, ARightClickOpensTheMenuAtOnceAndCancelsAPendingLeftClick) {
    ClickWorld w;
    w.world.desktop.cursor = Point{100, 100};
    w.Click();
    w.Advance(200);
    w.world.desktop.cursor = Point{300, 400};
    w.Click(WM_RBUTTONDOWN, WM_RBUTTONUP);
    ASSERT_EQ(w.MenusShown(), 1u);
    EXPECT_EQ(w.LastMenu().at.x, 300);
    EXPECT_EQ(w.LastMenu().at.y, 400);
    w.Advance(2000);
    EXPECT_EQ(w.MenusShown(), 1u);
    EXPECT_EQ(w.Form().PopupPoint.x, 300);
}

TEST(TrayClicks, MiddleClicksDoNothing) {
    ClickWorld w;
    w.world.desktop.cursor = Point{55, 66};
    const Point before = w.Form().PopupPoint;
    w.Click(WM_MBUTTONDOWN, WM_MBUTTONUP);
    w.Mouse(WM_MBUTTONDBLCLK);
    w.Mouse(WM_MBUTTONUP);
    w.Advance(2000);
    EXPECT_EQ(w.MenusShown(), 0u);
    EXPECT_FALSE(w.Shown());
    EXPECT_EQ(w.Form().PopupPoint.x, before.x);
    EXPECT_EQ(w.Form().PopupPoint.y, before.y);
}

TEST(TrayClicks, WithoutAMenuClicksOnlyNoteWhereTheyWere) {
    ClickWorld w;
    w.Tray().PopupMenu = nullptr;
    w.world.desktop.cursor = Point{7, 8};
    w.Click(WM_RBUTTONDOWN, WM_RBUTTONUP);
    w.Click();
    w.Advance(1000);
    EXPECT_EQ(w.MenusShown(), 0u);
    EXPECT_FALSE(w.TimerRunning(w.Form().TimerMouseUp));
    EXPECT_EQ(w.Form().PopupPoint.x, 7);
}

TEST(TrayClicks, TheWindowADoubleClickShowedHidesAfterTenSecondsWithoutInput) {
    ClickWorld w;
    w.DoubleClick();
    w.Advance(5000);
    // A mouse move without a button is not input; a key press is.
    w.panelProcess.messages.PostMessageA(w.Panel(), WM_MOUSEMOVE, 0, 0);
    w.Advance(4999);
    EXPECT_TRUE(w.Shown());
    w.panelProcess.messages.PostMessageA(w.Panel(), WM_KEYDOWN, 'A', 0);
    w.Advance(9999);
    EXPECT_TRUE(w.Shown());
    w.Advance(1);
    EXPECT_FALSE(w.Shown());
    EXPECT_TRUE(w.Running());
    EXPECT_NE(w.Icon(), nullptr);
}
