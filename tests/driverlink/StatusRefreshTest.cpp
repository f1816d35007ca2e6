// The status refresh's volume group: enabled by the first status with the
// handset present whose device is found, left alone by repeated ones, tried
// again while no device is found, and reset when the handset goes or the
// driver falls silent.
#include <gtest/gtest.h>

#include "support/HandsetMixer.h"

using namespace platform;
using namespace testing_support;
using sim::Api;

namespace {

using Values = std::vector<DWord>;
constexpr const char* kSettingsKey = "HKEY_CURRENT_USER\\SoftWare\\KESTAV\\USB_PHONE_R62";

struct Counts {
    std::size_t scans, opens, reads, writes;
    bool operator==(const Counts& o) const {
        return scans == o.scans && opens == o.opens && reads == o.reads && writes == o.writes;
    }
};

Counts MixerCalls(PanelWorld& w) {
    return {w.PanelCalls(Api::mixerGetNumDevs).size(), w.PanelCalls(Api::mixerOpen).size(),
            w.PanelCalls(Api::mixerGetControlDetailsA).size(),
            w.PanelCalls(Api::mixerSetControlDetails).size()};
}

void ExpectReset(app::TForm1& f) {
    EXPECT_FALSE(f.suiGroupBoxVol.Enabled());
    for (vcl::TTrackBar* slider :
         {&f.suiTrackBarVolRing, &f.suiTrackBarVolOut, &f.suiTrackBarVolIn}) {
        EXPECT_EQ(slider->Position(), slider->Min()) << slider->Name();
        EXPECT_FALSE(slider->ShowTick()) << slider->Name();
    }
    EXPECT_FALSE(f.suiCheckBoxVolOut.Checked());
    EXPECT_FALSE(f.suiCheckBoxVolIn.Checked());
    EXPECT_EQ(f.AudioMixerUsb.FOpenID, -1);
}

}  // namespace

TEST(StatusRefresh, TheFirstPresentStatusEnablesTheGroupAndRepeatedOnesQueryNothing) {
    PanelWorld w;
    w.world.registry.SetDword(kSettingsKey, "RingTone", 0x35);
    HandsetMixer device = AddHandsetMixer(w.world.mixer);
    device.speakerVolume->values = device.waveVolume->values = {8000, 8000};
    ASSERT_TRUE(w.Start());
    app::TForm1& f = w.Form();
    // Construction leaves the group disabled and nothing open.
    ExpectReset(f);

    SendStatus(w, kPresent);
    EXPECT_TRUE(f.suiGroupBoxVol.Enabled());
    EXPECT_EQ(f.AudioMixerUsb.FOpenID, 0);
    for (vcl::TTrackBar* slider :
         {&f.suiTrackBarVolRing, &f.suiTrackBarVolOut, &f.suiTrackBarVolIn})
        EXPECT_TRUE(slider->ShowTick()) << slider->Name();
    EXPECT_EQ(f.suiTrackBarVolOut.Position(), 8000);
    EXPECT_EQ(f.suiTrackBarVolRing.Position(), 12);
    EXPECT_TRUE(w.PanelCalls(Api::RegSetValueExA).empty());

    const Counts enabled = MixerCalls(w);
    for (int i = 0; i < 3; ++i) SendStatus(w, kPresent | driverlink::kSkypeReady);
    EXPECT_TRUE(MixerCalls(w) == enabled);
    EXPECT_EQ(w.world.mixer.OpenCount(0), 1);
}

TEST(StatusRefresh, WithoutAUsbDeviceTheSearchIsRepeatedAtEveryPresentStatus) {
    PanelWorld w;
    w.world.mixer.AddDevice("Speakers");
    w.world.mixer.AddDevice("Modem usb");  // the match is case-sensitive
    ASSERT_TRUE(w.Start());
    app::TForm1& f = w.Form();

    const std::size_t scans = w.PanelCalls(Api::mixerGetNumDevs).size();
    SendStatus(w, kPresent);
    SendStatus(w, kPresent);
    EXPECT_FALSE(f.suiGroupBoxVol.Enabled());
    EXPECT_EQ(f.AudioMixerUsb.FOpenID, -1);
    EXPECT_EQ(w.PanelCalls(Api::mixerGetNumDevs).size(), scans + 2);
    EXPECT_FALSE(f.SkypeOutPending);
    // Without the handset nothing is searched.
    SendStatus(w, 0);
    EXPECT_EQ(w.PanelCalls(Api::mixerGetNumDevs).size(), scans + 2);

    // The handset's device arrives: the next present status finds it.
    HandsetMixer device = AddHandsetMixer(w.world.mixer);
    device.micVolume->values = {4321};
    SendStatus(w, kPresent);
    EXPECT_TRUE(f.suiGroupBoxVol.Enabled());
    EXPECT_EQ(f.AudioMixerUsb.FOpenID, 2);
    EXPECT_EQ(f.suiTrackBarVolIn.Position(), 4321);
}

TEST(StatusRefresh, TheGroupIsResetWhenTheHandsetGoesAndWhenTheDriverFallsSilent) {
    PanelWorld w;
    HandsetMixer device = AddHandsetMixer(w.world.mixer);
    ASSERT_TRUE(w.Start());
    app::TForm1& f = w.Form();
    SendStatus(w, kPresent);
    ASSERT_TRUE(f.suiGroupBoxVol.Enabled());
    f.suiTrackBarVolOut.SetPosition(25000);
    f.suiCheckBoxVolOut.Click();
    f.suiTrackBarVolIn.SetPosition(600);
    f.suiCheckBoxVolIn.Click();
    f.SetTrackBarState(f.suiTrackBarVolRing, 7, std::nullopt, std::nullopt, std::nullopt);
    w.Advance(0);
    const std::size_t writes = w.PanelCalls(Api::mixerSetControlDetails).size();

    // A status without the handset: everything back to its minimum, as the
    // program's own change, so the mixer keeps what the user set.
    SendStatus(w, driverlink::kSkypeReady);
    ExpectReset(f);
    EXPECT_EQ(w.PanelCalls(Api::mixerSetControlDetails).size(), writes);
    EXPECT_EQ(device.speakerVolume->values, (Values{25000, 25000}));
    EXPECT_EQ(device.micMute->values, (Values{1}));
    EXPECT_EQ(w.world.mixer.OpenCount(0), 0);
    EXPECT_TRUE(w.PanelCalls(Api::RegSetValueExA).empty());

    // Present again: the rows are reloaded from the mixer.
    SendStatus(w, kPresent);
    EXPECT_TRUE(f.suiGroupBoxVol.Enabled());
    EXPECT_EQ(f.suiTrackBarVolOut.Position(), 25000);
    EXPECT_TRUE(f.suiCheckBoxVolOut.Checked());
    EXPECT_EQ(f.suiTrackBarVolIn.Position(), 600);
    EXPECT_TRUE(f.suiCheckBoxVolIn.Checked());

    // No status for the watchdog's interval: the same reset.
    const std::size_t before = w.PanelCalls(Api::mixerSetControlDetails).size();
    w.Advance(3100);
    ExpectReset(f);
    EXPECT_EQ(w.PanelCalls(Api::mixerSetControlDetails).size(), before);
    EXPECT_EQ(device.speakerVolume->values, (Values{25000, 25000}));
}
