// The tray icon in the notification area: added at start with its first
// image, its tip, its return after Explorer restarts or when it was refused
// at start, the images that follow the handset's status, and the session's
// end.
#include <gtest/gtest.h>

#include "support/TrayWorld.h"
#include "ui/TrayImages.h"

using namespace platform;
using sim::Api;
using testing_support::TrayWorld;

namespace {

std::size_t Modifies(TrayWorld& w) {
    return w.PanelCalls(Api::Shell_NotifyIconA, NIM_MODIFY).size();
}

}  // namespace

TEST(TrayIcon, IsAddedWhileTheWindowIsBuiltAndThenShowsTheGreyImage) {
    TrayWorld w;
    ASSERT_TRUE(w.Start());
    const sim::SimNotifyIcon* icon = w.Icon();
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->callbackMessage, 1025u);
    EXPECT_EQ(w.IconImage(), "TRAY_GREY");
    // Added with the program's icon, then switched to image 0 after loading.
    const auto adds = w.PanelCalls(Api::Shell_NotifyIconA, NIM_ADD);
    ASSERT_EQ(adds.size(), 1u);
    EXPECT_EQ(w.world.shell.IconName(static_cast<Handle>(adds[0].lParam)), "MAINICON");
    EXPECT_EQ(adds[0].flags, NIF_MESSAGE | NIF_ICON);
    EXPECT_EQ(w.Tray().IconIndex(), 0);
    EXPECT_FALSE(w.panelProcess.windows.IsWindowVisible(w.Tray().WindowHandle()));
}

TEST(TrayIcon, AHintOfSixtyFourCharactersOrMoreIsIgnored) {
    TrayWorld w;
    ASSERT_TRUE(w.Start());
    const std::string fits(63, 'h');
    w.Tray().SetHint(fits);
    EXPECT_EQ(w.Icon()->tip, fits);
    EXPECT_TRUE(w.PanelCalls(Api::Shell_NotifyIconA).back().flags & NIF_TIP);
    const std::size_t modifies = Modifies(w);
    w.Tray().SetHint(std::string(64, 'x'));
    w.Tray().SetHint(fits);  // unchanged: nothing to send
    EXPECT_EQ(w.Icon()->tip, fits);
    EXPECT_EQ(w.Tray().Hint(), fits);
    EXPECT_EQ(Modifies(w), modifies);
}

TEST(TrayIcon, ExplorerRestartingBringsTheIconBackWithItsImageAndTip) {
    TrayWorld w;
    ASSERT_TRUE(w.Start());
    w.Tray().SetHint("USB Phone");
    w.Form().SetTrayIcon(ui::kTrayImageKeysDrive);
    w.world.shell.Restart(w.world);
    ASSERT_EQ(w.Icon(), nullptr);
    w.Advance(0);
    ASSERT_NE(w.Icon(), nullptr);
    EXPECT_EQ(w.IconImage(), "TRAY_KEYS");
    EXPECT_EQ(w.Icon()->tip, "USB Phone");
    EXPECT_EQ(w.Icon()->callbackMessage, 1025u);
    // The clicks reach the program again.
    w.Click(WM_RBUTTONDOWN, WM_RBUTTONUP);
    EXPECT_EQ(w.MenusShown(), 1u);
}

TEST(TrayIcon, RefusedAtStartThePanelRunsOnAndAddsTheIconWhenTheTaskbarComes) {
    TrayWorld w;
    w.world.shell.refuseIcons = true;
    ASSERT_TRUE(w.Start());
    w.Advance(100);
    EXPECT_TRUE(w.Running());
    EXPECT_TRUE(w.world.desktop.messageBoxes.empty());
    EXPECT_TRUE(w.world.shell.icons.empty());
    EXPECT_TRUE(w.Tray().Visible());
    EXPECT_FALSE(w.Tray().Shown());
    // The status still counts while the icon is out.
    w.driver.Status(w.Panel(), 0x0100, sim::SimDriver::StatusLParam(0, 0));
    w.world.shell.Restart(w.world);
    w.Advance(0);
    EXPECT_TRUE(w.Tray().Shown());
    EXPECT_EQ(w.IconImage(), "TRAY_GREEN");
}

TEST(TrayIcon, TheImageFollowsTheHandsetPresenceAndKeyModeAndTheWatchdog) {
    TrayWorld w;
    ASSERT_TRUE(w.Start());
    w.driver.Discover(w.Panel());
    w.Advance(0);
    using sim::SimDriver;
    w.driver.Status(w.Panel(), 0x0100, SimDriver::StatusLParam(0, 0));
    EXPECT_EQ(w.IconImage(), "TRAY_GREEN");
    const std::size_t modifies = Modifies(w);
    w.driver.Status(w.Panel(), 0x0101, SimDriver::StatusLParam(0, 0));
    EXPECT_EQ(Modifies(w), modifies);  // same image: the shell is not asked again
    w.driver.Status(w.Panel(), 0x0100, SimDriver::StatusLParam(3, 0));
    EXPECT_EQ(w.IconImage(), "TRAY_KEYS");
    w.driver.Status(w.Panel(), 0x0000, SimDriver::StatusLParam(3, 0));
    EXPECT_EQ(w.IconImage(), "TRAY_GREY");
    w.driver.Status(w.Panel(), 0x0300, SimDriver::StatusLParam(1, 6));
    EXPECT_EQ(w.IconImage(), "TRAY_KEYS");
    // The driver falls silent: the watchdog puts the grey image back.
    w.Advance(3000);
    EXPECT_EQ(w.IconImage(), "TRAY_GREY");
    EXPECT_EQ(w.Tray().IconIndex(), 0);
}

TEST(TrayIcon, ImageChoiceFromTheStatus) {
    // Bit 8 of wParam: the handset; byte 1 of lParam: the key mode.
    const auto TrayImageOf = [](std::uint32_t w, std::uint32_t l) {
        return ui::TrayImageOf(driverlink::StatusOf(w, l));
    };
    EXPECT_EQ(TrayImageOf(0x0000, 0x000000FF), 0);
    EXPECT_EQ(TrayImageOf(0x0201, 0x000001FF), 0);
    EXPECT_EQ(TrayImageOf(0x0100, 0x000000FF), 1);
    EXPECT_EQ(TrayImageOf(0x0301, 0x06FF00FF), 1);
    EXPECT_EQ(TrayImageOf(0x0100, 0x000001FF), 2);
    EXPECT_EQ(TrayImageOf(0x0100, 0x0000FF00), 2);
}

TEST(TrayIcon, TheApplicationsMinimizeAndRestoreCommandsHideAndShowTheWindow) {
    TrayWorld w;
    ASSERT_TRUE(w.Start());
    LResult ignored;
    sim::SimProcess other(w.world, "other");
    other.messages.SendMessageTimeoutA(w.Owner(), WM_SYSCOMMAND, SC_RESTORE, 0, SMTO_NORMAL, 100,
                                       &ignored);
    EXPECT_TRUE(w.Shown());
    EXPECT_TRUE(w.TimerRunning(w.Form().TimerMin));
    other.messages.SendMessageTimeoutA(w.Owner(), WM_SYSCOMMAND, SC_MINIMIZE, 0, SMTO_NORMAL, 100,
                                       &ignored);
    EXPECT_FALSE(w.Shown());
    EXPECT_TRUE(w.Running());
}

TEST(TrayIcon, TheSessionsEndTakesTheIconOnlyWhenTheSessionReallyEnds) {
    TrayWorld w;
    ASSERT_TRUE(w.Start());
    sim::SimProcess system(w.world, "system");
    LResult answer = 0;
    system.messages.SendMessageTimeoutA(w.Tray().WindowHandle(), WM_QUERYENDSESSION, 0, 0,
                                        SMTO_NORMAL, 100, &answer);
    EXPECT_EQ(answer, 1);
    // Another program refused the logoff: the session goes on.
    system.messages.SendMessageTimeoutA(w.Tray().WindowHandle(), WM_ENDSESSION, 0, 0, SMTO_NORMAL,
                                        100, &answer);
    EXPECT_NE(w.Icon(), nullptr);
    system.messages.SendMessageTimeoutA(w.Tray().WindowHandle(), WM_ENDSESSION, 1, 0, SMTO_NORMAL,
                                        100, &answer);
    EXPECT_EQ(w.Icon(), nullptr);
}

TEST(TrayIcon, MouseActionsAndTheMessagesTheyName) {
    using ui::TrayMessageMatches;
    EXPECT_TRUE(TrayMessageMatches(ui::imLeftDoubleClick, WM_LBUTTONDBLCLK));
    EXPECT_FALSE(TrayMessageMatches(ui::imLeftDoubleClick, WM_RBUTTONDBLCLK));
    EXPECT_FALSE(TrayMessageMatches(ui::imLeftDoubleClick, WM_LBUTTONUP));
    EXPECT_TRUE(TrayMessageMatches(ui::imRightClickUp, WM_RBUTTONUP));
    EXPECT_TRUE(TrayMessageMatches(ui::imDoubleClick, WM_MBUTTONDBLCLK));
    EXPECT_TRUE(TrayMessageMatches(ui::imMouseDown, WM_RBUTTONDOWN));
    EXPECT_FALSE(TrayMessageMatches(ui::imMouseUp, WM_MOUSEMOVE));
    for (UInt msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_MOUSEMOVE})
        EXPECT_FALSE(TrayMessageMatches(ui::imNone, msg)) << msg;
}
