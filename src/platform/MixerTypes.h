// The winmm mixer structures the core passes through MixerPort, laid out as
// <mmsystem.h> lays them out: byte-packed, so a DWORD_PTR or pointer member
// follows the DWORD before it without padding (MIXERLINEA is 168 bytes in a
// 32-bit program, 172 in a 64-bit one). src/win32/PortChecks.cpp proves the
// sizes and offsets against the SDK.
#pragma once

#include <cstdint>

#include "platform/WinTypes.h"

namespace platform {

using MmResult = UInt;  // MMRESULT
using HMixer = Handle;  // HMIXER; 0 is none

// Lengths of the fixed name fields (MAXPNAMELEN, MIXER_SHORT_NAME_CHARS,
// MIXER_LONG_NAME_CHARS; the SDK's names are macros, hence other names).
constexpr int kMaxPnameLen = 32;
constexpr int kMixerShortNameChars = 16;
constexpr int kMixerLongNameChars = 64;

#pragma pack(push, 1)

// MIXERCAPSA.
struct MixerCapsA {
    Word wMid = 0;
    Word wPid = 0;
    UInt vDriverVersion = 0;
    char szPname[kMaxPnameLen] = {};
    DWord fdwSupport = 0;
    DWord cDestinations = 0;
};

// MIXERLINEA.Target.
struct MixerLineTarget {
    DWord dwType = 0;
    DWord dwDeviceID = 0;
    Word wMid = 0;
    Word wPid = 0;
    UInt vDriverVersion = 0;
    char szPname[kMaxPnameLen] = {};
};

// MIXERLINEA.
struct MixerLineA {
    DWord cbStruct = 0;
    DWord dwDestination = 0;
    DWord dwSource = 0;
    DWord dwLineID = 0;
    DWord fdwLine = 0;
    std::uintptr_t dwUser = 0;
    DWord dwComponentType = 0;
    DWord cChannels = 0;
    DWord cConnections = 0;
    DWord cControls = 0;
    char szShortName[kMixerShortNameChars] = {};
    char szName[kMixerLongNameChars] = {};
    MixerLineTarget Target;
};

// MIXERCONTROLA; the two unions are kept as their reserved arrays, with
// Bounds[0] and Bounds[1] as the minimum and the maximum, Metrics[0] as the
// steps.
struct MixerControlA {
    DWord cbStruct = 0;
    DWord dwControlID = 0;
    DWord dwControlType = 0;
    DWord fdwControl = 0;
    DWord cMultipleItems = 0;
    char szShortName[kMixerShortNameChars] = {};
    char szName[kMixerLongNameChars] = {};
    DWord Bounds[6] = {};
    DWord Metrics[6] = {};
};

// MIXERLINECONTROLSA; dwControlID stands for its union with dwControlType.
struct MixerLineControlsA {
    DWord cbStruct = 0;
    DWord dwLineID = 0;
    DWord dwControlID = 0;
    DWord cControls = 0;
    DWord cbmxctrl = 0;
    MixerControlA* pamxctrl = nullptr;
};

// MIXERCONTROLDETAILS; cMultipleItems is the pointer-sized union with
// hwndOwner, which the core never uses.
struct MixerControlDetails {
    DWord cbStruct = 0;
    DWord dwControlID = 0;
    DWord cChannels = 0;
    std::uintptr_t cMultipleItems = 0;
    DWord cbDetails = 0;
    void* paDetails = nullptr;
};

#pragma pack(pop)

}  // namespace platform
