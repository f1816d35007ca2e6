// The main window's ring-volume slider and the settings store: the stored
// level shown as the program's own change, a user's position saved, and a
// wrongly typed value reported at the top level while the panel runs on.
#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "support/PanelWorld.h"

using namespace platform;
using sim::Api;
using testing_support::PanelWorld;

namespace {

constexpr const char* kKey = "HKEY_CURRENT_USER\\SoftWare\\KESTAV\\USB_PHONE_R62";

std::uint32_t StoredRingTone(PanelWorld& w) {
    std::uint32_t value = 0xDEADBEEF;
    EXPECT_TRUE(w.world.registry.GetDword(kKey, "RingTone", value));
    return value;
}

}  // namespace

TEST(SettingsPanel, AStoredRingToneOf0x35PutsTheRingSliderAt12WithoutWritingItBack) {
    PanelWorld w;
    w.world.registry.SetDword(kKey, "RingTone", 0x35);
    ASSERT_TRUE(w.Start());
    app::TForm1& f = w.Form();
    vcl::TTrackBar& ring = f.suiTrackBarVolRing;
    // Construction puts the slider at 0; the level is read when the volume
    // group becomes available.
    EXPECT_EQ(ring.Position(), 0);
    std::vector<bool> updatingSeen;
    ring.OnChange = [&](vcl::TObject*) { updatingSeen.push_back(f.FUpdatingControls); };
    ring.SetEnabled(false);

    f.LoadRingVolume();
    EXPECT_EQ(ring.Position(), 12);
    EXPECT_EQ(updatingSeen, std::vector<bool>{true});
    EXPECT_FALSE(f.FUpdatingControls);
    EXPECT_EQ(ring.Min(), 0);
    EXPECT_EQ(ring.Max(), 15);
    EXPECT_FALSE(ring.Enabled());
    EXPECT_EQ(StoredRingTone(w), 0x35u);
    EXPECT_TRUE(w.PanelCalls(Api::RegSetValueExA).empty());

    // A position set outside SetTrackBarState is what gets saved.
    ring.SetPosition(10);
    f.SaveRingVolume();
    EXPECT_EQ(StoredRingTone(w), 0x55u);

    // Without the value the slider goes back to 0.
    EXPECT_TRUE(w.world.registry.DeleteValue(kKey, "RingTone"));
    f.LoadRingVolume();
    EXPECT_EQ(ring.Position(), 0);
    EXPECT_EQ(w.world.registry.OpenKeys(), 0u);
}

TEST(SettingsPanel, AWronglyTypedRingToneIsReportedAtTheTopAndThePanelRunsOn) {
    PanelWorld w;
    w.world.registry.SetString(kKey, "RingTone", "5");
    ASSERT_TRUE(w.Start());
    app::TForm1& f = w.Form();
    f.SetTrackBarState(f.suiTrackBarVolRing, 7, std::nullopt, std::nullopt, std::nullopt);
    // A handler of the panel that loads and saves the level, run by the
    // message loop as every handler is.
    int ticks = 0;
    f.TimerDevChg.OnTimer = [&](vcl::TObject*) {
        ++ticks;
        if (ticks == 1) f.LoadRingVolume();
        if (ticks == 2) f.SaveRingVolume();
        if (ticks == 3) f.TimerDevChg.SetEnabled(false);
    };
    f.TimerDevChg.SetEnabled(true);
    w.Advance(5000);

    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(w.world.desktop.MessageBoxTexts(),
              (std::vector<std::string>{"Invalid data type for 'RingTone'",
                                        "Invalid data type for 'RingTone'"}));
    EXPECT_TRUE(w.Running());
    EXPECT_EQ(f.suiTrackBarVolRing.Position(), 7);
    EXPECT_FALSE(f.FUpdatingControls);
    EXPECT_TRUE(w.PanelCalls(Api::RegSetValueExA).empty());
    const sim::SimRegValue* value = w.world.registry.FindValue(kKey, "RingTone");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->type, REG_SZ);
    EXPECT_EQ(w.world.registry.OpenKeys(), 0u);
}
