// The mixer lines behind the audio page's rows. The speaker row stands for
// the playback destination and is kept equal on the destination's first
// source line, which some devices' own volume follows instead; the
// microphone row stands for the recording destination.
#pragma once

#include "audio/Audiomixer.h"

namespace audio {

constexpr int kSpeakerDestination = 0;
constexpr int kMicrophoneDestination = 1;
// A source of -1 names the destination line itself.
constexpr int kDestinationLine = -1;
constexpr int kFirstSourceLine = 0;

// Which row a changed mixer control belongs to.
enum class PageLine { Speaker, SpeakerSource, Microphone, None };
PageLine LineOfControl(const TAudioMixer& mixer, int controlId);

// True when both speaker lines read, with volume and mute usable, and their
// volume or mute differ.
bool SpeakerLinesDiffer(const TAudioMixer& mixer);

// After the speaker row showed `shownSource` (the destination or its first
// source line): copies what the row shows onto the other line when the two
// differ. The copy's own notice then finds them equal and the exchange ends.
void MirrorSpeakerLine(const TAudioMixer& mixer, int shownSource, int position, bool muted);

}  // namespace audio
