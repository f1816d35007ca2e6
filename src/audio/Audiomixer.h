// The mixer component: the list of usable mixer devices, the one device that
// is open, and the events its notifications raise.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "widgets/Component.h"

namespace audio {

struct TMixerName {
    std::string Name;
    std::int32_t Id = 0;
};

// What the window reads: the device count, names, the open device and the
// product name of the device opened last.
class TAudioMixer : public vcl::TComponent {
public:
    using vcl::TComponent::TComponent;

    std::int32_t FDevCount = 0;
    std::int32_t FOpenID = -1;
    std::string FCapsPname;  // product name of the device opened last

    int MixerID() const { return FOpenID; }
    const TMixerName* GetName(int id) const;

private:
    std::vector<TMixerName> names_;
};

}  // namespace audio
