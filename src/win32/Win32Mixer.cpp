// MixerPort: the winmm mixer calls, passed straight through. The core's
// structures have the SDK's layouts (PortChecks.cpp), so they are handed over
// as they are.
#include "Handles.h"
#include "Win32Api.h"
#include "Win32Platform.h"

// clang-format off
#include <mmsystem.h>  // needs <windows.h> first
// clang-format on

namespace win32 {

using namespace platform;

namespace {
HMIXEROBJ ToMixerObj(HMixer mixer) {
    return reinterpret_cast<HMIXEROBJ>(mixer);
}
}  // namespace

UInt Win32MixerPort::mixerGetNumDevs() {
    return ::mixerGetNumDevs();
}

MmResult Win32MixerPort::mixerOpen(HMixer* mixer, UInt deviceId, std::uintptr_t callback,
                                   std::uintptr_t instance, DWord flags) {
    HMIXER opened = nullptr;
    const MMRESULT result = ::mixerOpen(&opened, deviceId, callback, instance, flags);
    if (mixer) *mixer = reinterpret_cast<HMixer>(opened);
    return result;
}

MmResult Win32MixerPort::mixerClose(HMixer mixer) {
    return ::mixerClose(reinterpret_cast<HMIXER>(mixer));
}

MmResult Win32MixerPort::mixerGetDevCapsA(std::uintptr_t deviceId, MixerCapsA* caps, UInt size) {
    return ::mixerGetDevCapsA(deviceId, reinterpret_cast<MIXERCAPSA*>(caps), size);
}

MmResult Win32MixerPort::mixerGetLineInfoA(HMixer mixer, MixerLineA* line, DWord flags) {
    return ::mixerGetLineInfoA(ToMixerObj(mixer), reinterpret_cast<MIXERLINEA*>(line), flags);
}

MmResult Win32MixerPort::mixerGetLineControlsA(HMixer mixer, MixerLineControlsA* controls,
                                               DWord flags) {
    return ::mixerGetLineControlsA(ToMixerObj(mixer),
                                   reinterpret_cast<MIXERLINECONTROLSA*>(controls), flags);
}

MmResult Win32MixerPort::mixerGetControlDetailsA(HMixer mixer, MixerControlDetails* details,
                                                 DWord flags) {
    return ::mixerGetControlDetailsA(ToMixerObj(mixer),
                                     reinterpret_cast<MIXERCONTROLDETAILS*>(details), flags);
}

MmResult Win32MixerPort::mixerSetControlDetails(HMixer mixer, MixerControlDetails* details,
                                                DWord flags) {
    return ::mixerSetControlDetails(ToMixerObj(mixer),
                                    reinterpret_cast<MIXERCONTROLDETAILS*>(details), flags);
}

}  // namespace win32
