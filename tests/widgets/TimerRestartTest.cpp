// Restarting a timer gives it a full interval from the moment of the restart,
// whether it was running or stopped.
#include <gtest/gtest.h>

#include "widgets/ExtCtrls.h"
#include "widgets/WidgetWorld.h"

using widgets_test::Desktop;
using Times = std::vector<std::uint64_t>;

TEST(TimerRestart, ARestartedTimerFiresAFullIntervalAfterTheRestart) {
    Desktop desk;
    widgets_test::TestForm& form = desk.NewForm("Main");
    vcl::TTimer watchdog("Watchdog", form);
    watchdog.SetInterval(3000);
    Times fired;
    watchdog.OnTimer = [&](vcl::TObject*) { fired.push_back(desk.world.Now()); };

    desk.world.Advance(2000);
    // A running timer is set again in one call: every driver message
    // restarts the watchdog, and each call to Windows costs the driver's
    // round trip.
    const std::size_t kills = desk.Calls(sim::Api::KillTimer).size();
    const std::size_t sets = desk.Calls(sim::Api::SetTimer).size();
    watchdog.Restart();
    EXPECT_EQ(desk.Calls(sim::Api::KillTimer).size(), kills);
    EXPECT_EQ(desk.Calls(sim::Api::SetTimer).size(), sets + 1);
    desk.world.Advance(2999);
    EXPECT_EQ(fired, Times{});
    desk.world.Advance(1);
    EXPECT_EQ(fired, Times{5000});

    // A stopped timer starts.
    watchdog.SetEnabled(false);
    desk.world.Advance(500);
    watchdog.Restart();
    EXPECT_TRUE(watchdog.Enabled());
    EXPECT_EQ(desk.world.TimerDue(form.Handle(), watchdog.Id()), 8500u);
}
