// The handset's mixer device as the panel's tests describe it: a playback
// destination with its first source line, and a recording destination, each
// with a volume and a mute control; and a panel the driver has reported it
// present to.
#pragma once

#include <cstdint>
#include <string>

#include "driverlink/HandsetMessage.h"
#include "platform/WinConst.h"
#include "sim/SimMixer.h"
#include "support/PanelWorld.h"

namespace testing_support {

struct HandsetMixer {
    sim::SimMixerControl* speakerVolume = nullptr;
    sim::SimMixerControl* speakerMute = nullptr;
    sim::SimMixerControl* waveVolume = nullptr;
    sim::SimMixerControl* waveMute = nullptr;
    sim::SimMixerControl* micVolume = nullptr;
    sim::SimMixerControl* micMute = nullptr;
};

// Adds the device; the source line has `waveChannels` channels.
inline HandsetMixer AddHandsetMixer(sim::SimMixer& mixer,
                                    const std::string& name = "USB Audio Device",
                                    platform::DWord waveChannels = 2) {
    using namespace platform;
    sim::SimMixerDevice& device = mixer.AddDevice(name);
    HandsetMixer h;
    sim::SimMixerLine& speaker = device.AddDestination("Speaker", 2);
    h.speakerVolume = &speaker.AddControl(MIXERCONTROL_CONTROLTYPE_VOLUME);
    h.speakerMute =
        &speaker.AddControl(MIXERCONTROL_CONTROLTYPE_MUTE, MIXERCONTROL_CONTROLF_UNIFORM);
    sim::SimMixerLine& wave = device.AddSource(speaker, "Wave", waveChannels);
    h.waveVolume = &wave.AddControl(MIXERCONTROL_CONTROLTYPE_VOLUME);
    h.waveMute = &wave.AddControl(MIXERCONTROL_CONTROLTYPE_MUTE, MIXERCONTROL_CONTROLF_UNIFORM);
    sim::SimMixerLine& mic = device.AddDestination("Recording", 1);
    h.micVolume = &mic.AddControl(MIXERCONTROL_CONTROLTYPE_VOLUME);
    h.micMute = &mic.AddControl(MIXERCONTROL_CONTROLTYPE_MUTE, MIXERCONTROL_CONTROLF_UNIFORM);
    return h;
}

constexpr std::uint32_t kPresent = driverlink::kHandsetPresent;

// A status message from the driver, and the panel's loop run after it.
inline void SendStatus(PanelWorld& w, std::uint32_t statusW) {
    w.driver.Status(w.Panel(), statusW, sim::SimDriver::StatusLParam(0, 0));
    w.Advance(0);
}

}  // namespace testing_support
