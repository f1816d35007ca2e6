// A desktop with a form that owns the mixer component, on simulated mixer
// devices the test describes before it creates the component.
#pragma once

#include <memory>

#include "audio/Audiomixer.h"
#include "widgets/WidgetWorld.h"

namespace audio_test {

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
