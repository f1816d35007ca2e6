// A desktop with a form that owns the mixer component, on simulated mixer
// devices the test describes before it creates the component.
#pragma once

#include <memory>

#include "audio/Audiomixer.h"
#include "platform/WinConst.h"
#include "widgets/WidgetWorld.h"

namespace audio_test {

// The control types and flags the tests describe devices with.
constexpr platform::DWord kVolume = platform::MIXERCONTROL_CONTROLTYPE_VOLUME;
constexpr platform::DWord kMute = platform::MIXERCONTROL_CONTROLTYPE_MUTE;
constexpr platform::DWord kUniform = platform::MIXERCONTROL_CONTROLF_UNIFORM;
constexpr platform::DWord kMultiple = platform::MIXERCONTROL_CONTROLF_MULTIPLE;
constexpr platform::DWord kDisabled = platform::MIXERCONTROL_CONTROLF_DISABLED;

struct MixerWorld : widgets_test::Desktop {
    widgets_test::TestForm& form = NewForm("Form1");
    std::unique_ptr<audio::TAudioMixer> component;

    audio::TAudioMixer& CreateMixer() {
        component = std::make_unique<audio::TAudioMixer>("AudioMixerUsb", form);
        return *component;
    }
    // Whether the simulated device is held open by the component now.
    bool HeldOpen(std::size_t device) const { return world.mixer.OpenCount(device) == 1; }
};

}  // namespace audio_test
