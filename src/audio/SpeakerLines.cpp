#include "audio/SpeakerLines.h"

#include "audio/VolumeLevels.h"

namespace audio {

PageLine LineOfControl(const TAudioMixer& mixer, int controlId) {
    if (mixer.CheckCtrlID(kSpeakerDestination, kDestinationLine, controlId))
        return PageLine::Speaker;
    if (mixer.CheckCtrlID(kSpeakerDestination, kFirstSourceLine, controlId))
        return PageLine::SpeakerSource;
    if (mixer.CheckCtrlID(kMicrophoneDestination, kDestinationLine, controlId))
        return PageLine::Microphone;
    return PageLine::None;
}

bool SpeakerLinesDiffer(const TAudioMixer& mixer) {
    LineLevels lines[2];
    const int sources[2] = {kDestinationLine, kFirstSourceLine};
    for (int i = 0; i < 2; ++i) {
        bool volumeDisabled = true, muteDisabled = true;
        if (!mixer.GetVolume(kSpeakerDestination, sources[i], lines[i].left, lines[i].right,
                             lines[i].mute, volumeDisabled, muteDisabled) ||
            volumeDisabled || muteDisabled)
            return false;
    }
    return LevelsDiffer(lines[0], lines[1]);
}

void MirrorSpeakerLine(const TAudioMixer& mixer, int shownSource, int position, bool muted) {
    if (!SpeakerLinesDiffer(mixer)) return;
    const int other = shownSource == kDestinationLine ? kFirstSourceLine : kDestinationLine;
    mixer.SetVolume(kSpeakerDestination, other, position, -1, muted ? 1 : 0);
}

}  // namespace audio
