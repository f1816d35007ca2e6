// Volume and mute of one line of the open device, read and written through
// the line's own volume and mute controls, or, for a source line without a
// mute control, through the destination's selection list (MIXER or MUX).
#include <algorithm>

#include "audio/Audiomixer.h"
#include "audio/VolumeLevels.h"
#include "platform/WinConst.h"

namespace audio {

using namespace platform;

namespace {

bool IsVolumeOrMute(const MixerControlA& control) {
    return (control.dwControlType == MIXERCONTROL_CONTROLTYPE_VOLUME ||
            control.dwControlType == MIXERCONTROL_CONTROLTYPE_MUTE) &&
           !(control.fdwControl & MIXERCONTROL_CONTROLF_MULTIPLE);
}

bool IsSelectionList(const MixerControlA& control) {
    return control.dwControlType == MIXERCONTROL_CONTROLTYPE_MIXER ||
           control.dwControlType == MIXERCONTROL_CONTROLTYPE_MUX;
}

DWord ItemsOf(const MixerControlA& control) {
    return (control.fdwControl & MIXERCONTROL_CONTROLF_MULTIPLE) ? control.cMultipleItems : 1;
}

bool Disabled(const MixerControlA& control) {
    return (control.fdwControl & MIXERCONTROL_CONTROLF_DISABLED) != 0;
}

}  // namespace

bool TAudioMixer::GetVolume(int destination, int source, int& left, int& right, int& mute,
                            bool& volumeDisabled, bool& muteDisabled) const {
    TMixerLineRef line;
    if (!FindLine(destination, source, line)) return false;
    left = right = mute = -1;
    std::vector<DWord> values;
    for (int i = 0; i < line.Controls->Count(); ++i) {
        const MixerControlA& control = *line.Controls->Items(i);
        if (!IsVolumeOrMute(control)) continue;
        const bool isVolume = control.dwControlType == MIXERCONTROL_CONTROLTYPE_VOLUME;
        // The first usable control of each kind wins; a disabled one is
        // passed over for a later one.
        if ((isVolume ? left : mute) != -1 || Disabled(control)) continue;
        if (!ReadControlValues(control, line.Line->cChannels, values)) continue;
        if (isVolume) {
            left = LevelOf(values[0]);
            if (values.size() > 1) right = LevelOf(values[1]);
        } else {
            mute = values[0] != 0 ? 1 : 0;
        }
    }
    if (mute == -1 && source >= 0) {
        TMixerLineRef dest;
        FindLine(destination, -1, dest);
        for (int i = 0; i < dest.Controls->Count() && mute == -1; ++i) {
            const MixerControlA& control = *dest.Controls->Items(i);
            if (!IsSelectionList(control)) continue;
            if (!ReadControlValues(control, dest.Line->cChannels, values)) continue;
            mute = SelectionStateAt(values, ItemsOf(control), source);
        }
    }
    // A mute found in the selection list is usable even when the line has a
    // disabled mute control of its own.
    volumeDisabled = left == -1;
    muteDisabled = mute == -1;
    return true;
}

bool TAudioMixer::SetVolume(int destination, int source, int left, int right, int mute) const {
    TMixerLineRef line;
    if (!FindLine(destination, source, line)) return false;
    bool volumeDone = left < 0;
    bool muteDone = mute < 0;
    for (int i = 0; i < line.Controls->Count() && !(volumeDone && muteDone); ++i) {
        const MixerControlA& control = *line.Controls->Items(i);
        if (!IsVolumeOrMute(control)) continue;
        if (control.dwControlType == MIXERCONTROL_CONTROLTYPE_VOLUME) {
            // Written where GetVolume reads it: a disabled control is passed
            // over for a later one.
            if (volumeDone || Disabled(control)) continue;
            WriteControlValues(control, line.Line->cChannels, VolumeValues(left, right));
            volumeDone = true;
        } else {
            // A disabled mute control is passed over as GetVolume passes it
            // over, so the mute goes where it is read from: a later mute
            // control or the destination's selection list.
            if (muteDone || Disabled(control)) continue;
            const DWord m = static_cast<DWord>(mute);
            WriteControlValues(control, line.Line->cChannels, {m, m});
            muteDone = true;
        }
    }
    if (!muteDone && source >= 0) {
        TMixerLineRef dest;
        FindLine(destination, -1, dest);
        for (int i = 0; i < dest.Controls->Count(); ++i) {
            const MixerControlA& control = *dest.Controls->Items(i);
            if (!IsSelectionList(control)) continue;
            // Only the first selection list is written.
            std::vector<DWord> values;
            if (ReadControlValues(control, dest.Line->cChannels, values) &&
                SetSelectionAt(values, ItemsOf(control), source, mute,
                               control.dwControlType == MIXERCONTROL_CONTROLTYPE_MUX))
                WriteControlValues(control, dest.Line->cChannels, std::move(values));
            break;
        }
    }
    return true;
}

}  // namespace audio
