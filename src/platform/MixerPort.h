// The winmm mixer: devices by identifier, opened with a callback window that
// receives MM_MIXM_LINE_CHANGE and MM_MIXM_CONTROL_CHANGE, their lines and
// controls, and control values. Every call answers with an MMRESULT
// (MMSYSERR_NOERROR on success).
#pragma once

#include "platform/MixerTypes.h"
#include "platform/WinTypes.h"

namespace platform {

class MixerPort {
public:
    virtual ~MixerPort() = default;

    virtual UInt mixerGetNumDevs() = 0;
    // callback is a window when flags hold CALLBACK_WINDOW.
    virtual MmResult mixerOpen(HMixer* mixer, UInt deviceId, std::uintptr_t callback,
                               std::uintptr_t instance, DWord flags) = 0;
    virtual MmResult mixerClose(HMixer mixer) = 0;
    virtual MmResult mixerGetDevCapsA(std::uintptr_t deviceId, MixerCapsA* caps, UInt size) = 0;
    // By destination or source (MIXER_GETLINEINFOF_*), on a handle with
    // MIXER_OBJECTF_HMIXER.
    virtual MmResult mixerGetLineInfoA(HMixer mixer, MixerLineA* line, DWord flags) = 0;
    virtual MmResult mixerGetLineControlsA(HMixer mixer, MixerLineControlsA* controls,
                                           DWord flags) = 0;
    virtual MmResult mixerGetControlDetailsA(HMixer mixer, MixerControlDetails* details,
                                             DWord flags) = 0;
    virtual MmResult mixerSetControlDetails(HMixer mixer, MixerControlDetails* details,
                                            DWord flags) = 0;
};

}  // namespace platform
