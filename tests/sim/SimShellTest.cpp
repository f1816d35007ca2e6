// The simulated shell: the notification area's rules and a tracked menu.
#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "sim/SimProcess.h"

using namespace platform;

namespace {

NotifyIconDataA Record(Hwnd hwnd, UInt id, const char* tip) {
    NotifyIconDataA data;
    data.hWnd = hwnd;
    data.uID = id;
    data.uFlags = NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = 1025;
    std::snprintf(data.szTip, sizeof data.szTip, "%s", tip);
    return data;
}

}  // namespace

TEST(SimShell, TheNotificationAreaAddsOnceModifiesAndDeletesKnownIconsOnly) {
    sim::SimWorld world;
    sim::SimProcess p(world, "p");
    const Hwnd hwnd = p.CreatePeerWindow("C", "", nullptr);
    NotifyIconDataA data = Record(hwnd, 7, "one");
    EXPECT_FALSE(p.shell.Shell_NotifyIconA(NIM_MODIFY, &data));
    EXPECT_TRUE(p.shell.Shell_NotifyIconA(NIM_ADD, &data));
    EXPECT_FALSE(p.shell.Shell_NotifyIconA(NIM_ADD, &data));
    data = Record(hwnd, 7, "two");
    EXPECT_TRUE(p.shell.Shell_NotifyIconA(NIM_MODIFY, &data));
    EXPECT_EQ(world.shell.Icon(hwnd, 7)->tip, "two");
    NotifyIconDataA shortRecord = Record(hwnd, 8, "x");
    shortRecord.cbSize = 88;  // the shell-4 size
    EXPECT_FALSE(p.shell.Shell_NotifyIconA(NIM_ADD, &shortRecord));
    EXPECT_TRUE(p.shell.Shell_NotifyIconA(NIM_DELETE, &data));
    EXPECT_FALSE(p.shell.Shell_NotifyIconA(NIM_DELETE, &data));
    world.shell.refuseIcons = true;
    EXPECT_FALSE(p.shell.Shell_NotifyIconA(NIM_ADD, &data));
    EXPECT_TRUE(world.shell.icons.empty());
}

TEST(SimShell, ATrackedMenuIsOpenUntilAnItemIsChosenAndReturnsItsId) {
    sim::SimWorld world;
    sim::SimProcess p(world, "p");
    const Hwnd owner = p.CreatePeerWindow("C", "", nullptr);
    const HMenu sub = p.menus.CreatePopupMenu();
    p.menus.AppendMenuA(sub, MF_STRING, 5, "Deep");
    const HMenu menu = p.menus.CreatePopupMenu();
    p.menus.AppendMenuA(menu, MF_STRING | MF_GRAYED, 3, "Off");
    p.menus.AppendMenuA(menu, MF_POPUP, sub, "More");
    bool wasOpen = false;
    world.shell.onPopupMenu = [&](sim::SimPopupMenu& shown) {
        wasOpen = shown.open;
        EXPECT_FALSE(shown.Choose("Off"));
        EXPECT_FALSE(shown.Choose("More"));
        EXPECT_TRUE(shown.Choose("Deep"));
    };
    EXPECT_EQ(p.menus.TrackPopupMenu(menu, TPM_RETURNCMD, 4, 5, owner), 5);
    EXPECT_TRUE(wasOpen);
    EXPECT_TRUE(p.menus.DestroyMenu(menu));
    EXPECT_EQ(world.shell.LiveMenus(), 0u);
    world.shell.onPopupMenu = nullptr;
    world.shell.popupMenuLifetimeMs = 250;
    const HMenu again = p.menus.CreatePopupMenu();
    EXPECT_EQ(p.menus.TrackPopupMenu(again, TPM_RETURNCMD, 0, 0, owner), 0);
    EXPECT_EQ(world.Now(), 250u);
}
