// The speaker and microphone rows on the handset's mixer device: what they
// show, what a user's change writes, and how changes made elsewhere are
// followed, the speaker's destination and first source line kept equal.
#include <gtest/gtest.h>

#include "support/HandsetMixer.h"

using namespace platform;
using namespace testing_support;
using sim::Api;

namespace {

using Values = std::vector<DWord>;

// A panel with the handset reported present on the given device. Notices the
// panel handles are counted, and stop reaching it past a bound, so that a
// copy that never comes to rest fails instead of running for ever.
struct VolumePanel : PanelWorld {
    HandsetMixer device;
    int notices = 0;
    static constexpr int kNoticeBound = 40;

    explicit VolumePanel(DWord waveChannels = 2, bool failingDeviceFirst = false) {
        if (failingDeviceFirst) {
            world.mixer.AddDevice("Onboard USB Audio").failsToOpen = true;
            world.mixer.AddDevice("Modem Audio");
        }
        device = AddHandsetMixer(world.mixer, "USB Audio Device", waveChannels);
    }
    void StartPresent() {
        ASSERT_TRUE(Start());
        audio::TAudioMixer& mixer = Form().AudioMixerUsb;
        auto handler = mixer.OnCtrlChange;
        mixer.OnCtrlChange = [this, handler](vcl::TObject* s, HMixer h, int id) {
            if (++notices <= kNoticeBound) handler(s, h, id);
        };
        SendStatus(*this, kPresent);
    }
    std::size_t Writes() { return PanelCalls(Api::mixerSetControlDetails).size(); }
};

}  // namespace

TEST(VolumeRows, TheHandsetDeviceIsFoundPastOneThatFailedAndShowsTheLouderChannel) {
    VolumePanel w(2, true);
    w.device.speakerVolume->values = {1000, 40000};
    w.device.speakerMute->values = {1};
    w.device.waveVolume->values = {1000, 40000};  // equal lines: no copy
    w.device.waveMute->values = {1};
    w.device.micVolume->values = {300};
    w.StartPresent();
    app::TForm1& f = w.Form();

    // Devices 1 and 2 opened: the handset's is listed past FDevCount.
    ASSERT_EQ(f.AudioMixerUsb.FDevCount, 2);
    EXPECT_EQ(f.AudioMixerUsb.FOpenID, 2);
    EXPECT_TRUE(f.suiGroupBoxVol.Enabled());
    EXPECT_EQ(f.suiTrackBarVolOut.Position(), 40000);
    EXPECT_TRUE(f.suiCheckBoxVolOut.Checked());
    EXPECT_EQ(f.suiTrackBarVolIn.Position(), 300);
    EXPECT_FALSE(f.suiCheckBoxVolIn.Checked());
    EXPECT_TRUE(f.SkypeOutPending && f.SkypeInPending);
    // Loading is the program's own change: nothing is written.
    EXPECT_EQ(w.Writes(), 0u);

    // A user's move goes to both channels alike.
    f.suiTrackBarVolOut.SetPosition(20000);
    EXPECT_EQ(w.device.speakerVolume->values, (Values{20000, 20000}));
    EXPECT_EQ(w.device.speakerMute->values, (Values{1}));
    w.Advance(0);
    EXPECT_EQ(w.device.waveVolume->values, (Values{20000, 20000}));
}

TEST(VolumeRows, AVolumeAboveTheSliderIsShownAtItsMaximumAndWrittenBack) {
    VolumePanel w;
    w.device.speakerVolume->values = {70000, 100};
    w.device.speakerMute->values = {1};
    w.device.waveVolume->values = {65535, 65535};
    w.device.waveMute->values = {1};
    w.device.micVolume->values = {0x80000000u};
    w.StartPresent();
    app::TForm1& f = w.Form();

    EXPECT_EQ(f.suiTrackBarVolOut.Position(), 65535);
    EXPECT_EQ(w.device.speakerVolume->values, (Values{65535, 65535}));
    EXPECT_EQ(w.device.speakerMute->values, (Values{1}));
    EXPECT_TRUE(f.suiCheckBoxVolOut.Checked());
    EXPECT_EQ(f.suiTrackBarVolIn.Position(), 65535);
    EXPECT_EQ(w.device.micVolume->values, (Values{65535}));
    EXPECT_TRUE(f.suiTrackBarVolOut.Enabled());
    EXPECT_LE(w.notices, 10);
}

TEST(VolumeRows, AVolumeBroughtDownToTheSliderLeavesAMuteThatCannotBeReadAsItIs) {
    VolumePanel w;
    w.device.speakerVolume->values = {70000, 100};
    w.device.speakerMute->values = {1};
    w.device.speakerMute->failsReads = true;
    w.StartPresent();

    EXPECT_EQ(w.device.speakerVolume->values, (Values{65535, 65535}));
    EXPECT_EQ(w.device.speakerMute->values, (Values{1}));
    for (const sim::SimCall& write : w.PanelCalls(Api::mixerSetControlDetails))
        EXPECT_NE(write.lParam, static_cast<LParam>(w.device.speakerMute->id));
}

TEST(VolumeRows, OnlyAUsersChangeIsWrittenAndOnlyWhileADeviceIsOpen) {
    VolumePanel w;
    w.device.micVolume->values = {500};
    w.StartPresent();
    app::TForm1& f = w.Form();
    const std::size_t before = w.Writes();

    // The program's own settings write nothing.
    f.SetTrackBarState(f.suiTrackBarVolOut, 1234, std::nullopt, std::nullopt, std::nullopt);
    f.SetCheckBoxState(f.suiCheckBoxVolIn, true, std::nullopt);
    f.SetTrackBarState(f.suiTrackBarVolRing, 9, std::nullopt, std::nullopt, std::nullopt);
    EXPECT_EQ(w.Writes(), before);
    EXPECT_TRUE(w.PanelCalls(Api::RegSetValueExA).empty());
    EXPECT_FALSE(f.FUpdatingControls);

    // A user's click on the microphone's mute box writes its row.
    f.suiCheckBoxVolIn.Click();
    EXPECT_FALSE(f.suiCheckBoxVolIn.Checked());
    f.suiCheckBoxVolIn.Click();
    EXPECT_EQ(w.device.micMute->values, (Values{1}));
    EXPECT_EQ(w.device.micVolume->values, (Values{500}));
    f.suiTrackBarVolIn.SetPosition(700);
    EXPECT_EQ(w.device.micVolume->values, (Values{700}));
    // The ring slider is a setting, never a mixer value.
    const std::size_t mixerWrites = w.Writes();
    f.suiTrackBarVolRing.SetPosition(10);
    EXPECT_EQ(w.PanelCalls(Api::RegSetValueExA).size(), 1u);
    EXPECT_EQ(w.Writes(), mixerWrites);

    // With the device closed (a device change) nothing is written.
    f.RescanMixers();
    f.suiTrackBarVolOut.SetPosition(3000);
    f.suiCheckBoxVolOut.Click();
    EXPECT_EQ(w.Writes(), mixerWrites);
    EXPECT_EQ(w.device.speakerVolume->values, (Values{0, 0}));
}

TEST(VolumeRows, TheSpeakerDestinationAndItsFirstSourceFollowEachOtherAndComeToRest) {
    for (DWord waveChannels : {2u, 1u}) {
        SCOPED_TRACE(waveChannels);
        VolumePanel w(waveChannels);
        w.StartPresent();
        app::TForm1& f = w.Form();
        const std::size_t device = 0;

        // Another program mutes the destination: the box follows, the source
        // is muted too.
        w.world.mixer.SetValues(device, w.device.speakerMute->id, {1});
        w.Advance(0);
        EXPECT_TRUE(f.suiCheckBoxVolOut.Checked());
        EXPECT_EQ(w.device.waveMute->values, (Values{1}));

        // Another program changes the source line: the slider follows and the
        // destination gets the louder channel on both.
        w.world.mixer.SetValues(device, w.device.waveVolume->id,
                                waveChannels == 2 ? Values{9000, 12000} : Values{12000});
        w.Advance(0);
        EXPECT_EQ(f.suiTrackBarVolOut.Position(), 12000);
        EXPECT_EQ(w.device.speakerVolume->values, (Values{12000, 12000}));
        EXPECT_EQ(w.device.waveVolume->values,
                  waveChannels == 2 ? (Values{12000, 12000}) : (Values{12000}));

        // A user's move: written to the destination, copied to the source.
        f.suiTrackBarVolOut.SetPosition(30000);
        w.Advance(0);
        EXPECT_EQ(w.device.waveVolume->values,
                  waveChannels == 2 ? (Values{30000, 30000}) : (Values{30000}));
        // Everything is at rest: no notice keeps the exchange going.
        const int settled = w.notices;
        EXPECT_LT(settled, VolumePanel::kNoticeBound);
        w.Advance(1000);
        EXPECT_EQ(w.notices, settled);
    }
}

TEST(VolumeRows, NoticesAreIgnoredWhileNothingIsOpenOrTheHandsetIsAbsent) {
    VolumePanel w;
    w.StartPresent();
    app::TForm1& f = w.Form();
    const DWord volumeId = w.device.speakerVolume->id;

    // A notice of the open device while the last status had no handset.
    f.StatusW = 0;
    w.world.mixer.SetValues(0, volumeId, {5000, 5000});
    w.Advance(0);
    EXPECT_EQ(f.suiTrackBarVolOut.Position(), 0);
    EXPECT_EQ(w.device.waveVolume->values, (Values{0, 0}));

    // A notice that arrives after the device was closed.
    f.StatusW = kPresent;
    w.world.mixer.SetValues(0, volumeId, {6000, 6000});
    f.RescanMixers();
    w.Advance(0);
    w.Form().AudioMixerUsbCtrlChange(&f.AudioMixerUsb, 0, static_cast<int>(volumeId));
    EXPECT_EQ(f.suiTrackBarVolOut.Position(), 0);
    EXPECT_EQ(w.device.waveVolume->values, (Values{0, 0}));
    EXPECT_EQ(w.Writes(), 0u);
}
