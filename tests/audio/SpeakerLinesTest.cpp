// The speaker's two lines kept equal, and which row a mixer control belongs
// to, on the mixer component alone.
#include <gtest/gtest.h>

#include "audio/MixerWorld.h"
#include "audio/SpeakerLines.h"
#include "platform/WinConst.h"

using namespace platform;
using namespace audio_test;

namespace {

struct SpeakerDevice {
    MixerWorld w;
    sim::SimMixerDevice& device = w.world.mixer.AddDevice("USB Audio Device");
    sim::SimMixerLine& speaker = device.AddDestination("Speaker", 2);
    sim::SimMixerControl& volume = speaker.AddControl(kVolume);
    sim::SimMixerControl& mute = speaker.AddControl(kMute, kUniform);
    sim::SimMixerLine& wave = device.AddSource(speaker, "Wave", 2);
    sim::SimMixerControl& waveVolume = wave.AddControl(kVolume);
    sim::SimMixerControl& waveMute = wave.AddControl(kMute, kUniform);
    sim::SimMixerLine& mic = device.AddDestination("Recording", 1);
    sim::SimMixerControl& micVolume = mic.AddControl(kVolume);
};

}  // namespace

TEST(SpeakerLines, TheRowCopiesOntoTheOtherLineOnlyWhileTheyDiffer) {
    SpeakerDevice d;
    d.volume.values = {30000, 30000};
    d.waveVolume.values = {30000, 30000};
    audio::TAudioMixer& mixer = d.w.CreateMixer();
    const auto writes = [&] { return d.w.Calls(sim::Api::mixerSetControlDetails).size(); };

    EXPECT_FALSE(audio::SpeakerLinesDiffer(mixer));
    const std::size_t before = writes();
    audio::MirrorSpeakerLine(mixer, audio::kDestinationLine, 30000, false);
    EXPECT_EQ(writes(), before);  // equal lines: the exchange has ended

    // Another program turned the destination down: the row showed it and
    // the source line follows.
    d.volume.values = {1000, 1000};
    EXPECT_TRUE(audio::SpeakerLinesDiffer(mixer));
    audio::MirrorSpeakerLine(mixer, audio::kDestinationLine, 1000, false);
    EXPECT_EQ(d.waveVolume.values, (std::vector<DWord>{1000, 1000}));
    EXPECT_FALSE(audio::SpeakerLinesDiffer(mixer));

    // The source line was muted: the destination follows it.
    d.waveMute.values = {1};
    EXPECT_TRUE(audio::SpeakerLinesDiffer(mixer));
    audio::MirrorSpeakerLine(mixer, audio::kFirstSourceLine, 1000, true);
    EXPECT_EQ(d.mute.values, (std::vector<DWord>{1}));
    EXPECT_EQ(d.volume.values, (std::vector<DWord>{1000, 1000}));
}

TEST(SpeakerLines, LinesWithoutAUsableMuteOrVolumeNeverCountAsDiffering) {
    SpeakerDevice d;
    d.volume.values = {100, 100};
    d.waveVolume.values = {9000, 9000};
    d.waveMute.flags |= kDisabled;
    audio::TAudioMixer& mixer = d.w.CreateMixer();
    EXPECT_FALSE(audio::SpeakerLinesDiffer(mixer));
    const std::size_t before = d.w.Calls(sim::Api::mixerSetControlDetails).size();
    audio::MirrorSpeakerLine(mixer, audio::kDestinationLine, 100, false);
    EXPECT_EQ(d.w.Calls(sim::Api::mixerSetControlDetails).size(), before);
    EXPECT_EQ(d.waveVolume.values, (std::vector<DWord>{9000, 9000}));
}

TEST(SpeakerLines, EachControlBelongsToItsRow) {
    SpeakerDevice d;
    audio::TAudioMixer& mixer = d.w.CreateMixer();
    using audio::PageLine;
    EXPECT_EQ(audio::LineOfControl(mixer, static_cast<int>(d.volume.id)), PageLine::Speaker);
    EXPECT_EQ(audio::LineOfControl(mixer, static_cast<int>(d.mute.id)), PageLine::Speaker);
    EXPECT_EQ(audio::LineOfControl(mixer, static_cast<int>(d.waveMute.id)),
              PageLine::SpeakerSource);
    EXPECT_EQ(audio::LineOfControl(mixer, static_cast<int>(d.micVolume.id)), PageLine::Microphone);
    EXPECT_EQ(audio::LineOfControl(mixer, 0x7FFF), PageLine::None);
}
