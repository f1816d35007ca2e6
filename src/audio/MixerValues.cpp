// Control values of the open device. The value buffer is sized from the
// control itself (channels × items), never a fixed count, so a control with
// many channels or a long selection list is not written past; a control
// whose counts pass the bounds is neither read nor written.
#include <algorithm>

#include "audio/Audiomixer.h"
#include "platform/WinConst.h"

namespace audio {

using namespace platform;

namespace {

struct Shape {
    DWord channels = 1;
    DWord items = 0;  // cMultipleItems as the query states it
    // Within the bounds the product cannot wrap round, not even in a 32-bit
    // build, nor come to a buffer worth refusing.
    bool Sane() const { return channels <= kMaxMixerChannels && items <= kMaxMixerItems; }
    std::size_t Count() const {
        return static_cast<std::size_t>(std::max<DWord>(channels, 1)) * std::max<DWord>(items, 1);
    }
};

Shape ShapeOf(const MixerControlA& control, DWord lineChannels) {
    Shape shape;
    shape.channels = (control.fdwControl & MIXERCONTROL_CONTROLF_UNIFORM) ? 1 : lineChannels;
    shape.items =
        (control.fdwControl & MIXERCONTROL_CONTROLF_MULTIPLE) ? control.cMultipleItems : 0;
    return shape;
}

MixerControlDetails DetailsFor(const MixerControlA& control, const Shape& shape,
                               std::vector<DWord>& values) {
    MixerControlDetails details;
    details.cbStruct = sizeof(MixerControlDetails);
    details.dwControlID = control.dwControlID;
    details.cChannels = shape.channels;
    details.cMultipleItems = shape.items;
    details.cbDetails = sizeof(DWord);
    details.paDetails = values.data();
    return details;
}

}  // namespace

bool TAudioMixer::ReadControlValues(const MixerControlA& control, DWord lineChannels,
                                    std::vector<DWord>& values) const {
    if (FOpenID < 0) return false;
    const Shape shape = ShapeOf(control, lineChannels);
    if (!shape.Sane()) return false;
    std::vector<DWord> read(shape.Count(), 0);
    MixerControlDetails details = DetailsFor(control, shape, read);
    if (Port().mixerGetControlDetailsA(FMixerHandle.get(), &details,
                                       MIXER_OBJECTF_HMIXER | MIXER_GETCONTROLDETAILSF_VALUE) !=
        MMSYSERR_NOERROR)
        return false;
    values = std::move(read);
    return true;
}

bool TAudioMixer::WriteControlValues(const MixerControlA& control, DWord lineChannels,
                                     std::vector<DWord> values) const {
    if (FOpenID < 0 || values.empty()) return false;
    const Shape shape = ShapeOf(control, lineChannels);
    if (!shape.Sane()) return false;
    values.resize(shape.Count(), values.back());
    MixerControlDetails details = DetailsFor(control, shape, values);
    return Port().mixerSetControlDetails(FMixerHandle.get(), &details,
                                         MIXER_OBJECTF_HMIXER | MIXER_SETCONTROLDETAILSF_VALUE) ==
           MMSYSERR_NOERROR;
}

}  // namespace audio
