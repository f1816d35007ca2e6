// Audio devices coming and going: each notice closes the mixer at once, and a
// single reload runs a second after the last of a burst; meanwhile nothing
// reaches the mixer, and a ring the panel plays stops.
#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "support/HandsetPanel.h"
#include "support/RingWorld.h"

using namespace platform;
using namespace testing_support;
using sim::Api;

namespace {

using Commands = std::vector<std::string>;

// A linked panel with the handset present on its mixer device, speaker at
// 8000; what the driver received so far is forgotten.
struct DevicePanel : HandsetPanel {
    DevicePanel() {
        StartLinked();
        SendStatus(w, kPresent);
        w.driver.ClearReceived();
    }

    void DeviceChange() {
        w.driver.Send(w.Panel(), WM_DEVICECHANGE, 7 /* DBT_DEVNODES_CHANGED */, 0);
    }
    void WinmmChange() { w.driver.Send(w.Panel(), f->MsgDevChange, 0, 0); }
    std::size_t Reloads() {
        std::size_t n = 0;
        for (const std::string& c : w.driver.Commands()) n += c == "GET AUDIO_OUT";
        return n;
    }
};

}  // namespace

TEST(DeviceChanges, ABurstOfNoticesClosesTheMixerAndReloadsOnceASecondAfterTheLast) {
    DevicePanel p;
    app::TForm1& f = *p.f;
    ASSERT_EQ(p.w.world.mixer.OpenCount(0), 1);

    p.DeviceChange();
    EXPECT_EQ(f.AudioMixerUsb.FOpenID, -1);  // closed at once
    EXPECT_EQ(p.w.world.mixer.OpenCount(0), 0);
    p.w.Advance(400);
    p.WinmmChange();
    p.w.Advance(700);
    p.DeviceChange();
    p.w.Advance(999);
    EXPECT_EQ(p.Reloads(), 0u);
    EXPECT_EQ(f.AudioMixerUsb.FOpenID, -1);

    p.w.Advance(1);
    EXPECT_EQ(p.w.driver.Commands(), (Commands{"GET AUDIO_OUT", "GET AUDIO_IN"}));
    EXPECT_EQ(f.AudioMixerUsb.FOpenID, 0);
    EXPECT_EQ(p.w.world.mixer.OpenCount(0), 1);
    EXPECT_FALSE(p.w.TimerRunning(f.TimerDevChg));
    // The lists are refilled from the fresh device list.
    EXPECT_EQ(f.suiComboBoxSkypeOut.Count(), 2);

    p.w.Advance(5000);
    EXPECT_EQ(p.Reloads(), 1u);
}

TEST(DeviceChanges, AThousandNoticesInOneSecondCostOneReload) {
    DevicePanel p;
    const auto reads = [&] { return p.w.PanelCalls(Api::mixerGetControlDetailsA).size(); };

    // What one notice's reload reads from the mixer.
    std::size_t before = reads();
    p.DeviceChange();
    p.w.Advance(1000);
    ASSERT_EQ(p.Reloads(), 1u);
    const std::size_t oneReload = reads() - before;
    ASSERT_GT(oneReload, 0u);

    before = reads();
    for (int i = 0; i < 1000; ++i) {
        if (i % 2)
            p.DeviceChange();
        else
            p.WinmmChange();
        p.w.Advance(1);
    }
    p.w.Advance(998);
    EXPECT_EQ(p.Reloads(), 1u);
    EXPECT_EQ(reads(), before);
    p.w.Advance(1);
    EXPECT_EQ(p.Reloads(), 2u);
    EXPECT_EQ(reads() - before, oneReload);
    p.w.Advance(3000);
    EXPECT_EQ(p.Reloads(), 2u);
}

TEST(DeviceChanges, ASliderMovedBeforeTheReloadWritesNothingAndTheReloadShowsTheDevice) {
    DevicePanel p;
    app::TForm1& f = *p.f;
    const std::size_t writes = p.w.PanelCalls(Api::mixerSetControlDetails).size();

    p.WinmmChange();
    f.suiTrackBarVolOut.SetPosition(30000);  // as the user
    f.suiCheckBoxVolOut.SetChecked(true);
    EXPECT_EQ(p.w.PanelCalls(Api::mixerSetControlDetails).size(), writes);
    EXPECT_EQ(p.device.speakerVolume->values[0], 8000u);
    EXPECT_EQ(p.device.speakerMute->values[0], 0u);

    // Changed elsewhere meanwhile: the reload shows the device's values.
    p.device.speakerVolume->values = p.device.waveVolume->values = {12000, 12000};
    p.w.Advance(1000);
    EXPECT_EQ(f.suiTrackBarVolOut.Position(), 12000);
    EXPECT_FALSE(f.suiCheckBoxVolOut.Checked());
    EXPECT_EQ(p.w.PanelCalls(Api::mixerSetControlDetails).size(), writes);
}

TEST(DeviceChanges, WithoutTheHandsetTheReloadLeavesTheRowsAndStillRefillsTheLists) {
    DevicePanel p;
    app::TForm1& f = *p.f;
    f.StatusW = 0;  // the handset reported gone, the group not yet reset
    p.DeviceChange();
    p.w.Advance(1000);
    EXPECT_EQ(f.AudioMixerUsb.FOpenID, -1);
    EXPECT_EQ(f.suiTrackBarVolOut.Position(), 8000);
    EXPECT_EQ(p.Reloads(), 1u);
}

TEST(DeviceChanges, ARingingTonePlayedByThePanelStopsAndItsCountIsKept) {
    PanelWorld w;
    HandsetMixer device = AddHandsetMixer(w.world.mixer);
    device.speakerVolume->values = device.waveVolume->values = {8000, 8000};
    device.speakerMute->values = device.waveMute->values = {1};
    AddChosenTone(w.world.files, "a.wav", 5000);
    ASSERT_TRUE(w.Start());
    app::TForm1& f = w.Form();
    w.driver.Discover(w.Panel());
    for (int i = 0; i < 5; ++i) SendCall(w, kPresent, kRinging);
    ASSERT_TRUE(f.Ring.RingPlaying);
    ASSERT_FALSE(w.world.media.OpenDevices().empty());
    ASSERT_EQ(device.speakerVolume->values[0], 65535u);  // turned up for the ring
    f.Ring.RingDelay = 2;                                // left alone by the reload

    w.driver.Send(w.Panel(), WM_DEVICECHANGE, 0, 0);
    w.Advance(1000);
    EXPECT_FALSE(f.Ring.RingPlaying);
    EXPECT_EQ(f.Ring.RingDelay, 2);
    EXPECT_TRUE(w.world.media.OpenDevices().empty());
    EXPECT_FALSE(w.TimerRunning(f.TimerMediaPlayerNotify));
    EXPECT_EQ(f.SelectedRingFile, InRing("a.wav"));
    // The speaker the ring turned up is put back on the reopened device.
    EXPECT_FALSE(f.SpeakerSaved);
    EXPECT_EQ(f.AudioMixerUsb.FOpenID, 0);
    EXPECT_EQ(f.suiTrackBarVolOut.Position(), 8000);
    EXPECT_TRUE(f.suiCheckBoxVolOut.Checked());
    EXPECT_EQ(device.speakerVolume->values[0], 8000u);
    EXPECT_EQ(device.speakerMute->values[0], 1u);

    // Still ringing: the count goes on from where it was.
    SendCall(w, kPresent, kRinging);
    SendCall(w, kPresent, kRinging);
    EXPECT_FALSE(f.Ring.RingPlaying);
    SendCall(w, kPresent, kRinging);
    EXPECT_TRUE(f.Ring.RingPlaying);
}
