// The tree of the open device: lines whose queries fail are left out,
// controls are listed as the query returned them, counts past the bounds
// are not trusted, CheckCtrlID finds only volume and mute controls of
// existing lines, and control values come back and go out in buffers that
// fit the control.
#include <gtest/gtest.h>

#include "audio/MixerWorld.h"
#include "platform/WinConst.h"

using namespace platform;
using namespace audio_test;

TEST(AudioMixerTree, LinesAndControlsWhoseQueriesFailAreLeftOutOrEmpty) {
    MixerWorld w;
    sim::SimMixerDevice& device = w.world.mixer.AddDevice("USB Audio Device");
    sim::SimMixerLine& speaker = device.AddDestination("Speaker", 2);
    const DWord speakerVolume = speaker.AddControl(kVolume).id;
    const DWord speakerMute = speaker.AddControl(kMute, kUniform).id;
    const DWord speakerMux =
        speaker.AddControl(MIXERCONTROL_CONTROLTYPE_MUX, kUniform | kMultiple, 3).id;
    device.AddSource(speaker, "Wave", 2).AddControl(kVolume);
    device.AddSource(speaker, "Broken", 2).failsQuery = true;
    sim::SimMixerLine& synth = device.AddSource(speaker, "Synth", 2);
    const DWord synthVolume = synth.AddControl(kVolume).id;
    synth.failsControls = true;
    device.AddDestination("Lost", 1).failsQuery = true;
    sim::SimMixerLine& mic = device.AddDestination("Recording", 1);
    const DWord micVolume = mic.AddControl(kVolume).id;
    const DWord listMute = mic.AddControl(kMute, kUniform | kMultiple, 2).id;
    audio::TAudioMixer& mixer = w.CreateMixer();
    ASSERT_EQ(mixer.FOpenID, 0);

    // Destinations: the failed one is skipped, so position 1 is the mixer's 2.
    const audio::TMixerDestinations& tree = *mixer.FDestinations;
    ASSERT_EQ(tree.Count(), 2);
    EXPECT_EQ(tree.Items(1)->Data().dwDestination, 2u);
    EXPECT_STREQ(tree.Items(1)->Data().szName, "Recording");
    EXPECT_EQ(tree.Items(2), nullptr);
    // Sources: the same; a line whose control query fails has no controls.
    const audio::TMixerDestination& first = *tree.Items(0);
    EXPECT_EQ(first.Data().cChannels, 2u);
    ASSERT_EQ(first.Connections().Count(), 2);
    EXPECT_STREQ(first.Connections().Items(0)->Data().szName, "Wave");
    EXPECT_EQ(first.Connections().Items(0)->Controls().Count(), 1);
    EXPECT_STREQ(first.Connections().Items(1)->Data().szName, "Synth");
    EXPECT_EQ(first.Connections().Items(1)->Controls().Count(), 0);
    // Controls in the order the mixer gave them.
    ASSERT_EQ(first.Controls().Count(), 3);
    EXPECT_EQ(first.Controls().Items(0)->dwControlID, speakerVolume);
    EXPECT_EQ(first.Controls().Items(1)->dwControlID, speakerMute);
    EXPECT_EQ(first.Controls().Items(2)->dwControlID, speakerMux);
    EXPECT_EQ(first.Controls().Items(2)->cMultipleItems, 3u);

    EXPECT_TRUE(mixer.CheckCtrlID(0, -1, static_cast<int>(speakerVolume)));
    EXPECT_TRUE(mixer.CheckCtrlID(0, -7, static_cast<int>(speakerMute)));
    EXPECT_FALSE(mixer.CheckCtrlID(0, -1, static_cast<int>(speakerMux)));    // not volume or mute
    EXPECT_FALSE(mixer.CheckCtrlID(0, 0, static_cast<int>(speakerVolume)));  // another line's
    EXPECT_FALSE(mixer.CheckCtrlID(0, 1, static_cast<int>(synthVolume)));    // its list is empty
    EXPECT_FALSE(mixer.CheckCtrlID(0, 2, static_cast<int>(speakerVolume)));
    EXPECT_TRUE(mixer.CheckCtrlID(1, -1, static_cast<int>(micVolume)));
    EXPECT_FALSE(mixer.CheckCtrlID(1, -1, static_cast<int>(listMute)));  // multiple
    EXPECT_FALSE(mixer.CheckCtrlID(2, -1, static_cast<int>(micVolume)));
    EXPECT_FALSE(mixer.CheckCtrlID(-1, -1, static_cast<int>(speakerVolume)));
    mixer.CloseMixer();
    EXPECT_EQ(mixer.FDestinations, nullptr);
    EXPECT_FALSE(mixer.CheckCtrlID(0, -1, static_cast<int>(speakerVolume)));
}

TEST(AudioMixerTree, ControlValuesFitTheControlWhateverItsChannelsItemsOrSize) {
    MixerWorld w;
    sim::SimMixerDevice& device = w.world.mixer.AddDevice("USB Audio Device");
    sim::SimMixerLine& speaker = device.AddDestination("Speaker", 2);
    sim::SimMixerControl& stereo = speaker.AddControl(kVolume);
    stereo.values = {1000, 70000};  // the right channel louder, past 65535
    sim::SimMixerControl& mute = speaker.AddControl(kMute, kUniform);
    sim::SimMixerLine& surround = device.AddDestination("Recording", 8);
    sim::SimMixerControl& eight = surround.AddControl(kVolume);
    for (DWord ch = 0; ch < 8; ++ch) eight.values[ch] = 100 * (ch + 1);
    // A selection list longer than any fixed buffer, per channel.
    sim::SimMixerControl& list = surround.AddControl(MIXERCONTROL_CONTROLTYPE_MIXER, kMultiple, 40);
    list.values.back() = 1;
    audio::TAudioMixer& mixer = w.CreateMixer();

    audio::TMixerLineRef line;
    ASSERT_TRUE(mixer.FindLine(0, -1, line));
    std::vector<DWord> values;
    ASSERT_TRUE(mixer.ReadControlValues(*line.Controls->Items(0), line.Line->cChannels, values));
    EXPECT_EQ(values, (std::vector<DWord>{1000, 70000}));
    ASSERT_TRUE(mixer.ReadControlValues(*line.Controls->Items(1), line.Line->cChannels, values));
    EXPECT_EQ(values.size(), 1u);  // uniform: one channel

    // A value written for the first channel goes to both; large values pass.
    ASSERT_TRUE(mixer.WriteControlValues(*line.Controls->Items(0), 2, {65536 * 2}));
    EXPECT_EQ(stereo.values, (std::vector<DWord>{131072, 131072}));
    ASSERT_TRUE(mixer.WriteControlValues(*line.Controls->Items(1), 2, {1}));
    EXPECT_EQ(mute.values, (std::vector<DWord>{1}));

    ASSERT_TRUE(mixer.FindLine(1, -1, line));
    ASSERT_TRUE(mixer.ReadControlValues(*line.Controls->Items(0), line.Line->cChannels, values));
    EXPECT_EQ(values, (std::vector<DWord>{100, 200, 300, 400, 500, 600, 700, 800}));
    ASSERT_TRUE(mixer.ReadControlValues(*line.Controls->Items(1), line.Line->cChannels, values));
    ASSERT_EQ(values.size(), 320u);
    EXPECT_EQ(values.back(), 1u);
    values.assign(320, 0);
    values[39] = 1;  // the last item of the first channel
    ASSERT_TRUE(mixer.WriteControlValues(*line.Controls->Items(1), line.Line->cChannels, values));
    EXPECT_EQ(list.values[39], 1u);
    EXPECT_EQ(list.values.back(), 0u);

    // A failed read leaves the values as they were.
    list.failsReads = true;
    values = {7};
    EXPECT_FALSE(mixer.ReadControlValues(*line.Controls->Items(1), 8, values));
    EXPECT_EQ(values, (std::vector<DWord>{7}));
    mixer.SetMixerId(-1);
    EXPECT_FALSE(mixer.FindLine(0, -1, line));
}

TEST(AudioMixerTree, LinesAndControlsPastTheBoundsAreNeitherQueriedNorAllocated) {
    MixerWorld w;
    sim::SimMixerDevice& device = w.world.mixer.AddDevice("USB Audio Device");
    sim::SimMixerLine& speaker = device.AddDestination("Speaker", 2);
    for (DWord i = 0; i < audio::kMaxLineControls; ++i) speaker.AddControl(kVolume);
    for (DWord i = 0; i <= audio::kMaxMixerLines; ++i) device.AddSource(speaker, "Wave", 2);
    sim::SimMixerLine& crowded = device.AddDestination("Recording", 1);
    for (DWord i = 0; i <= audio::kMaxLineControls; ++i) crowded.AddControl(kVolume);
    while (device.destinations.size() <= audio::kMaxMixerLines) device.AddDestination("Aux", 1);
    audio::TAudioMixer& mixer = w.CreateMixer();

    const audio::TMixerDestinations& tree = *mixer.FDestinations;
    EXPECT_EQ(tree.Count(), static_cast<int>(audio::kMaxMixerLines));
    EXPECT_EQ(tree.Items(0)->Connections().Count(), static_cast<int>(audio::kMaxMixerLines));
    EXPECT_EQ(tree.Items(0)->Controls().Count(), static_cast<int>(audio::kMaxLineControls));
    EXPECT_EQ(tree.Items(1)->Controls().Count(), 0);
    EXPECT_TRUE(tree.Items(1)->Controls().FControlArray().empty());
    for (const sim::SimCall& query : w.Calls(sim::Api::mixerGetLineControlsA))
        EXPECT_NE(query.lParam, static_cast<LParam>(crowded.lineId));
    // Lines past the bound are not asked for, in either list.
    const LParam bound = audio::kMaxMixerLines;
    for (const sim::SimCall& query : w.Calls(sim::Api::mixerGetLineInfoA)) {
        EXPECT_LT(query.lParam & 0xFFFF, bound);  // destination
        EXPECT_LT(query.lParam >> 16, bound);     // source
    }
}
