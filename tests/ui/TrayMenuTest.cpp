// The tray menu: what it shows, what comes before and after it, and what
// its items do.
#include <gtest/gtest.h>

#include "support/TrayWorld.h"

using namespace platform;
using sim::Api;
using testing_support::TrayWorld;

namespace {

struct MenuWorld : TrayWorld {
    MenuWorld() { Start(); }
    void RightClick() { Click(WM_RBUTTONDOWN, WM_RBUTTONUP); }
    std::uint64_t AutoHideDue() { return world.TimerDue(Panel(), Form().TimerMin.Id()); }
};

}  // namespace

TEST(TrayMenu, ShowsSetupLanguagesAndExitOwnerDrawn) {
    MenuWorld w;
    w.Form().SelectLanguage(11);  // German
    w.Form().ItemSetup.Default = true;
    w.RightClick();
    ASSERT_EQ(w.MenusShown(), 1u);
    const auto& items = w.LastMenu().items;
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].text, "Setup");
    EXPECT_TRUE(items[0].isDefault);
    EXPECT_EQ(items[1].text, "Language");
    EXPECT_TRUE(items[1].flags & MF_POPUP);
    EXPECT_TRUE(items[2].flags & MF_SEPARATOR);
    EXPECT_EQ(items[3].text, "Exit");
    for (const auto* item : {&items[0], &items[1], &items[3]})
        EXPECT_TRUE(item->flags & MF_OWNERDRAW) << item->text;
    ASSERT_EQ(items[1].submenu.size(), 24u);
    for (const auto& language : items[1].submenu) {
        EXPECT_TRUE(language.flags & MFT_RADIOCHECK);
        EXPECT_EQ((language.flags & MF_CHECKED) != 0, &language == &items[1].submenu[11]);
    }
    // Nothing of the menu is left behind once it closed.
    EXPECT_EQ(w.world.shell.LiveMenus(), 0u);
}

TEST(TrayMenu, TheWindowTakesTheForegroundBeforeAndGetsAMessageAfter) {
    MenuWorld w;
    sim::SimProcess other(w.world, "other");
    w.world.UserActivates(other.CreatePeerWindow("Other", "other", nullptr));
    w.RightClick();
    auto& journal = w.world.Journal();
    const DWord tid = w.panelProcess.ThreadId();
    const int foreground = journal.IndexOf([&](const sim::SimCall& c) {
        return c.thread == tid && c.api == Api::SetForegroundWindow && c.hwnd == w.Panel();
    });
    const int track = journal.IndexOf(
        [&](const sim::SimCall& c) { return c.thread == tid && c.api == Api::TrackPopupMenu; });
    const int null = journal.IndexOf([&](const sim::SimCall& c) {
        return c.api == Api::PostMessageA && c.hwnd == w.Panel() && c.msg == WM_NULL;
    });
    ASSERT_GE(foreground, 0);
    EXPECT_LT(foreground, track);
    EXPECT_LT(track, null);
    EXPECT_EQ(journal.Calls()[static_cast<std::size_t>(track)].hwnd, w.Panel());
}

TEST(TrayMenu, OpeningTheMenuPostponesTheAutoHideOfAShownWindow) {
    MenuWorld w;
    w.Form().ShowMainWindow();
    w.Advance(6000);
    w.RightClick();
    EXPECT_EQ(w.AutoHideDue(), w.world.Now() + 10000);
}

TEST(TrayMenu, SetupShowsTheWindowAndWhileShownBringsItToTheFrontAndRestartsTheTenSeconds) {
    MenuWorld w;
    w.ChooseInNextMenu("Setup");
    w.RightClick();
    EXPECT_TRUE(w.Shown());
    EXPECT_EQ(w.AutoHideDue(), w.world.Now() + 10000);

    w.Advance(7000);
    sim::SimProcess other(w.world, "other");
    w.world.UserActivates(other.CreatePeerWindow("Other", "other", nullptr));
    w.ChooseInNextMenu("Setup");
    w.RightClick();
    EXPECT_EQ(w.world.desktop.foreground, w.Panel());
    EXPECT_EQ(w.AutoHideDue(), w.world.Now() + 10000);
    EXPECT_TRUE(w.Shown());
}

TEST(TrayMenu, ExitEndsTheProgramAndTakesTheIconAlong) {
    MenuWorld w;
    const Hwnd utility = w.Tray().WindowHandle();
    w.ChooseInNextMenu("Exit");
    w.RightClick();
    EXPECT_FALSE(w.Running());
    EXPECT_TRUE(w.world.shell.icons.empty());
    EXPECT_EQ(w.world.Window(utility), nullptr);
    EXPECT_EQ(w.world.shell.LiveIcons(), 0u);
}

TEST(TrayMenu, ClosingTheWindowHidesItWhileTheProgramAndIconStay) {
    MenuWorld w;
    w.Form().ShowMainWindow();
    w.panelProcess.messages.PostMessageA(w.Panel(), WM_CLOSE, 0, 0);
    w.Advance(0);
    EXPECT_FALSE(w.Shown());
    EXPECT_TRUE(w.Running());
    EXPECT_NE(w.Icon(), nullptr);
}

TEST(TrayMenu, ADismissedMenuDoesNothing) {
    MenuWorld w;
    w.RightClick();
    ASSERT_EQ(w.MenusShown(), 1u);
    EXPECT_FALSE(w.LastMenu().open);
    EXPECT_EQ(w.LastMenu().chosen, 0);
    EXPECT_FALSE(w.Shown());
    EXPECT_TRUE(w.Running());
}
