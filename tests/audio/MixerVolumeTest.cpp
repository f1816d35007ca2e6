// Volume and mute of a line through the mixer component: the first usable
// control of each kind, channels as the control has them, writes that touch
// only what was asked and go where the reads come from, a source line's
// mute kept in its destination's selection list when it has no usable mute
// control of its own, and controls too large to trust left alone.
#include <gtest/gtest.h>

#include <limits>

#include "audio/MixerWorld.h"
#include "platform/WinConst.h"

using namespace platform;
using namespace audio_test;

namespace {

struct Reading {
    bool found = false;
    int left = -7, right = -7, mute = -7;
    bool volumeDisabled = false, muteDisabled = false;
};

Reading Read(const audio::TAudioMixer& mixer, int destination, int source) {
    Reading r;
    r.found = mixer.GetVolume(destination, source, r.left, r.right, r.mute, r.volumeDisabled,
                              r.muteDisabled);
    return r;
}

}  // namespace

TEST(MixerVolume, TheFirstUsableControlOfEachKindIsReadWithTheLinesChannels) {
    MixerWorld w;
    sim::SimMixerDevice& device = w.world.mixer.AddDevice("USB Audio Device");
    sim::SimMixerLine& speaker = device.AddDestination("Speaker", 2);
    speaker.AddControl(kVolume, kDisabled).values = {1, 1};
    speaker.AddControl(kVolume).values = {1000, 40000};  // right louder
    speaker.AddControl(kVolume).values = {3, 3};         // not the first usable
    speaker.AddControl(kMute, kUniform | kDisabled).values = {0};
    sim::SimMixerControl& failing = speaker.AddControl(kMute, kUniform);
    failing.values = {0};
    failing.failsReads = true;
    speaker.AddControl(kMute, kUniform).values = {7};
    sim::SimMixerLine& mic = device.AddDestination("Recording", 2);
    mic.AddControl(kVolume, kUniform).values = {0xFFFFFFFFu};
    mic.AddControl(kMute, kDisabled).values = {1, 1};
    audio::TAudioMixer& mixer = w.CreateMixer();

    Reading s = Read(mixer, 0, -1);
    ASSERT_TRUE(s.found);
    EXPECT_EQ(s.left, 1000);
    EXPECT_EQ(s.right, 40000);
    EXPECT_EQ(s.mute, 1);
    EXPECT_FALSE(s.volumeDisabled);
    EXPECT_FALSE(s.muteDisabled);

    // A uniform control is one channel even on a stereo line; a value past
    // the int range is not taken for "none"; only a disabled mute: none.
    Reading m = Read(mixer, 1, -1);
    ASSERT_TRUE(m.found);
    EXPECT_EQ(m.left, std::numeric_limits<int>::max());
    EXPECT_EQ(m.right, -1);
    EXPECT_EQ(m.mute, -1);
    EXPECT_FALSE(m.volumeDisabled);
    EXPECT_TRUE(m.muteDisabled);

    // Lines that do not exist leave the outputs as they were.
    for (auto [d, s2] : {std::pair{2, -1}, std::pair{0, 0}, std::pair{-1, -1}}) {
        Reading none = Read(mixer, d, s2);
        EXPECT_FALSE(none.found);
        EXPECT_EQ(none.left, -7);
        EXPECT_EQ(none.mute, -7);
    }
    // Nor anything while no device is open.
    mixer.CloseMixer();
    EXPECT_FALSE(Read(mixer, 0, -1).found);
    EXPECT_FALSE(mixer.SetVolume(0, -1, 5, -1, 0));
}

TEST(MixerVolume, SetVolumeWritesOnlyWhatIsAskedToBothChannelsAlike) {
    MixerWorld w;
    sim::SimMixerDevice& device = w.world.mixer.AddDevice("USB Audio Device");
    sim::SimMixerLine& speaker = device.AddDestination("Speaker", 2);
    sim::SimMixerControl& volume = speaker.AddControl(kVolume);
    sim::SimMixerControl& second = speaker.AddControl(kVolume);
    sim::SimMixerControl& mute = speaker.AddControl(kMute);
    volume.values = {1000, 40000};
    audio::TAudioMixer& mixer = w.CreateMixer();
    auto writes = [&] { return w.Calls(sim::Api::mixerSetControlDetails).size(); };

    ASSERT_TRUE(mixer.SetVolume(0, -1, 30000, -1, -1));
    EXPECT_EQ(volume.values, (std::vector<DWord>{30000, 30000}));
    EXPECT_EQ(second.values, (std::vector<DWord>{0, 0}));
    EXPECT_EQ(mute.values, (std::vector<DWord>{0, 0}));
    EXPECT_EQ(writes(), 1u);

    ASSERT_TRUE(mixer.SetVolume(0, -1, -1, -1, 1));
    EXPECT_EQ(volume.values, (std::vector<DWord>{30000, 30000}));
    EXPECT_EQ(mute.values, (std::vector<DWord>{1, 1}));
    EXPECT_EQ(writes(), 2u);

    ASSERT_TRUE(mixer.SetVolume(0, -1, 5, 6, 0));
    EXPECT_EQ(volume.values, (std::vector<DWord>{5, 6}));
    EXPECT_EQ(mute.values, (std::vector<DWord>{0, 0}));
    EXPECT_EQ(writes(), 4u);

    // A refused write is not reported.
    volume.failsWrites = true;
    EXPECT_TRUE(mixer.SetVolume(0, -1, 9, -1, -1));
    EXPECT_EQ(volume.values, (std::vector<DWord>{5, 6}));
}

TEST(MixerVolume, ASourceWithoutMuteUsesItsDestinationsSelectionList) {
    MixerWorld w;
    sim::SimMixerDevice& device = w.world.mixer.AddDevice("USB Audio Device");
    sim::SimMixerLine& rec = device.AddDestination("Recording", 1);
    sim::SimMixerControl& mux =
        rec.AddControl(MIXERCONTROL_CONTROLTYPE_MUX, kUniform | kMultiple, 3);
    sim::SimMixerControl& later =
        rec.AddControl(MIXERCONTROL_CONTROLTYPE_MIXER, kUniform | kMultiple, 3);
    mux.values = {1, 0, 0};
    for (const char* name : {"Mic", "Line", "CD", "Aux"})
        device.AddSource(rec, name, 1).AddControl(kVolume).values = {100};
    sim::SimMixerLine& play = device.AddDestination("Speaker", 2);
    sim::SimMixerControl& mixList =
        play.AddControl(MIXERCONTROL_CONTROLTYPE_MIXER, kMultiple, 2);  // per channel
    mixList.values = {1, 0, 1, 0};
    device.AddSource(play, "Wave", 2).AddControl(kVolume);
    device.AddSource(play, "Synth", 2).AddControl(kVolume);
    audio::TAudioMixer& mixer = w.CreateMixer();

    Reading line = Read(mixer, 0, 1);
    EXPECT_EQ(line.mute, 0);
    EXPECT_FALSE(line.muteDisabled);
    EXPECT_EQ(Read(mixer, 0, 0).mute, 1);

    // Setting mute 1 on a MUX selects that source and clears the others;
    // only the first selection list is written.
    ASSERT_TRUE(mixer.SetVolume(0, 1, -1, -1, 1));
    EXPECT_EQ(mux.values, (std::vector<DWord>{0, 1, 0}));
    EXPECT_EQ(later.values, (std::vector<DWord>{0, 0, 0}));
    EXPECT_EQ(Read(mixer, 0, 1).mute, 1);
    EXPECT_EQ(Read(mixer, 0, 0).mute, 0);

    // A source past the list's items has no state there, and nothing is
    // written for it.
    Reading aux = Read(mixer, 0, 3);
    EXPECT_EQ(aux.mute, -1);
    EXPECT_TRUE(aux.muteDisabled);
    EXPECT_EQ(aux.left, 100);
    ASSERT_TRUE(mixer.SetVolume(0, 3, -1, -1, 1));
    EXPECT_EQ(mux.values, (std::vector<DWord>{0, 1, 0}));

    // A MIXER list keeps the other items, in every channel.
    ASSERT_TRUE(mixer.SetVolume(1, 1, -1, -1, 1));
    EXPECT_EQ(mixList.values, (std::vector<DWord>{1, 1, 1, 1}));
    ASSERT_TRUE(mixer.SetVolume(1, 0, -1, -1, 0));
    EXPECT_EQ(mixList.values, (std::vector<DWord>{0, 1, 0, 1}));

    // A list that cannot be read is not written.
    mux.failsReads = true;
    ASSERT_TRUE(mixer.SetVolume(0, 2, -1, -1, 1));
    EXPECT_EQ(mux.values, (std::vector<DWord>{0, 1, 0}));
    // Reading falls through to the next list.
    later.values = {0, 0, 1};
    EXPECT_EQ(Read(mixer, 0, 2).mute, 1);
    // The destination itself never uses a list.
    EXPECT_EQ(Read(mixer, 0, -1).mute, -1);
}

TEST(MixerVolume, SetVolumeWritesTheMuteWhereGetVolumeReadsItPassingOverADisabledControl) {
    MixerWorld w;
    sim::SimMixerDevice& device = w.world.mixer.AddDevice("USB Audio Device");
    sim::SimMixerLine& speaker = device.AddDestination("Speaker", 2);
    sim::SimMixerControl& disabledVolume = speaker.AddControl(kVolume, kDisabled);
    sim::SimMixerControl& usableVolume = speaker.AddControl(kVolume);
    sim::SimMixerControl& disabled = speaker.AddControl(kMute, kUniform | kDisabled);
    sim::SimMixerControl& usable = speaker.AddControl(kMute, kUniform);
    sim::SimMixerLine& rec = device.AddDestination("Recording", 1);
    sim::SimMixerControl& mux =
        rec.AddControl(MIXERCONTROL_CONTROLTYPE_MUX, kUniform | kMultiple, 2);
    mux.values = {0, 1};
    device.AddSource(rec, "Mic", 1).AddControl(kMute, kUniform | kDisabled);
    audio::TAudioMixer& mixer = w.CreateMixer();

    ASSERT_TRUE(mixer.SetVolume(0, -1, 30000, -1, 1));
    EXPECT_EQ(usable.values, (std::vector<DWord>{1}));
    EXPECT_EQ(disabled.values, (std::vector<DWord>{0}));
    EXPECT_EQ(Read(mixer, 0, -1).mute, 1);
    // The volume likewise.
    EXPECT_EQ(usableVolume.values, (std::vector<DWord>{30000, 30000}));
    EXPECT_EQ(disabledVolume.values, (std::vector<DWord>{0, 0}));
    EXPECT_EQ(Read(mixer, 0, -1).left, 30000);

    // A source whose own mute is disabled is read and written in the list.
    ASSERT_TRUE(mixer.SetVolume(1, 0, -1, -1, 1));
    EXPECT_EQ(mux.values, (std::vector<DWord>{1, 0}));
    EXPECT_EQ(Read(mixer, 1, 0).mute, 1);
}

TEST(MixerVolume, ControlsWithChannelsOrItemsPastTheBoundsAreNeitherReadNorWritten) {
    MixerWorld w;
    sim::SimMixerDevice& device = w.world.mixer.AddDevice("USB Audio Device");
    sim::SimMixerLine& wide = device.AddDestination("Speaker", audio::kMaxMixerChannels + 1);
    sim::SimMixerControl& volume = wide.AddControl(kVolume);
    volume.values.assign(volume.values.size(), 500);
    sim::SimMixerControl& mute = wide.AddControl(kMute, kUniform);  // one channel: usable
    sim::SimMixerLine& rec = device.AddDestination("Recording", 1);
    sim::SimMixerControl& list = rec.AddControl(MIXERCONTROL_CONTROLTYPE_MIXER,
                                                kUniform | kMultiple, audio::kMaxMixerItems + 1);
    list.values[0] = 1;
    device.AddSource(rec, "Mic", 1);
    audio::TAudioMixer& mixer = w.CreateMixer();

    Reading speakerLine = Read(mixer, 0, -1);
    EXPECT_TRUE(speakerLine.volumeDisabled);
    EXPECT_EQ(speakerLine.mute, 0);
    EXPECT_TRUE(Read(mixer, 1, 0).muteDisabled);
    ASSERT_TRUE(mixer.SetVolume(0, -1, 9, -1, 1));
    ASSERT_TRUE(mixer.SetVolume(1, 0, -1, -1, 0));
    EXPECT_EQ(mute.values, (std::vector<DWord>{1}));
    EXPECT_EQ(volume.values, std::vector<DWord>(volume.values.size(), 500));
    EXPECT_EQ(list.values[0], 1u);
    for (sim::Api api : {sim::Api::mixerGetControlDetailsA, sim::Api::mixerSetControlDetails})
        for (const sim::SimCall& call : w.Calls(api))
            EXPECT_EQ(call.lParam, static_cast<LParam>(mute.id));  // only the mute is asked for
}
