// The keyboard-blocked indicator: shown while a status says the handset is
// present and its keys blocked, with the application's owner window made
// topmost; hidden otherwise; left as it is by the watchdog.
#include <gtest/gtest.h>

#include "app/Unit2.h"
#include "platform/WinConst.h"
#include "support/HandsetMixer.h"

using namespace platform;
using namespace testing_support;
using sim::Api;

namespace {

constexpr std::uint32_t kBlocked = driverlink::kKeyboardBlocked;

struct IndicatorPanel {
    PanelWorld w;
    IndicatorPanel() {
        EXPECT_TRUE(w.Start());
        w.driver.Discover(w.Panel());
    }
    const sim::SimWindow& Indicator() { return *w.world.Window(w.Program().Form2()->Handle()); }
    const sim::SimWindow& Owner() { return *w.world.Window(w.Owner()); }
    std::vector<sim::SimCall> OwnerMoves() {
        std::vector<sim::SimCall> moves;
        for (const sim::SimCall& c : w.PanelCalls(Api::SetWindowPos))
            if (c.hwnd == w.Owner()) moves.push_back(c);
        return moves;
    }
};

}  // namespace

TEST(Indicator, ShownWithTheOwnerTopmostAndHiddenWithItBack) {
    IndicatorPanel p;
    ASSERT_FALSE(p.Indicator().visible);
    SendStatus(p.w, kPresent | kBlocked);
    EXPECT_TRUE(p.Indicator().visible);
    EXPECT_TRUE(p.Owner().topmost);
    std::vector<sim::SimCall> moves = p.OwnerMoves();
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].wParam, HWND_TOPMOST);
    EXPECT_EQ(moves[0].flags, SWP_NOMOVE | SWP_NOSIZE);
    // Shown without taking the focus; the main window stays as it was.
    std::vector<int> shows;
    for (const sim::SimCall& c : p.w.PanelCalls(Api::ShowWindow))
        if (c.hwnd == p.w.Program().Form2()->Handle()) shows.push_back(static_cast<int>(c.wParam));
    EXPECT_EQ(shows, std::vector<int>{SW_SHOWNA});
    EXPECT_FALSE(p.w.world.Window(p.w.Panel())->visible);

    // Repeated: nothing more.
    const std::size_t allShows = p.w.PanelCalls(Api::ShowWindow).size();
    SendStatus(p.w, kPresent | kBlocked);
    EXPECT_EQ(p.OwnerMoves().size(), 1u);
    EXPECT_EQ(p.w.PanelCalls(Api::ShowWindow).size(), allShows);

    SendStatus(p.w, kPresent);
    EXPECT_FALSE(p.Indicator().visible);
    EXPECT_FALSE(p.Owner().topmost);
    moves = p.OwnerMoves();
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[1].wParam, HWND_NOTOPMOST);
    EXPECT_EQ(moves[1].flags, SWP_NOMOVE | SWP_NOSIZE);

    // Hidden already: a second hide touches nothing.
    SendStatus(p.w, kPresent);
    EXPECT_EQ(p.OwnerMoves().size(), 2u);
}

TEST(Indicator, BlockedKeysWithoutTheHandsetHideIt) {
    IndicatorPanel p;
    SendStatus(p.w, kBlocked);
    EXPECT_FALSE(p.Indicator().visible);
    EXPECT_TRUE(p.OwnerMoves().empty());

    SendStatus(p.w, kPresent | kBlocked | driverlink::kSkypeReady);
    ASSERT_TRUE(p.Indicator().visible);
    SendStatus(p.w, kBlocked | driverlink::kSkypeReady);
    EXPECT_FALSE(p.Indicator().visible);
    EXPECT_FALSE(p.Owner().topmost);
}

TEST(Indicator, AVisibleIndicatorOutlivesTheWatchdog) {
    IndicatorPanel p;
    SendStatus(p.w, kPresent | kBlocked);
    ASSERT_TRUE(p.Indicator().visible);
    p.w.Advance(10000);  // the driver falls silent
    EXPECT_EQ(p.w.Form().DrvWnd, 0u);
    EXPECT_EQ(p.w.Form().TrayIconSts.IconIndex(), 0);
    EXPECT_TRUE(p.Indicator().visible);
    EXPECT_TRUE(p.Owner().topmost);

    SendStatus(p.w, kPresent);
    EXPECT_FALSE(p.Indicator().visible);
}
