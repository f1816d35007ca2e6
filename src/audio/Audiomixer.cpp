#include "audio/Audiomixer.h"

namespace audio {

const TMixerName* TAudioMixer::GetName(int id) const {
    for (const TMixerName& n : names_)
        if (n.Id == id) return &n;
    return nullptr;
}

}  // namespace audio
