// The Media Control Interface: devices opened by file name, commands sent
// with their parameter blocks, and the texts of its errors.
#pragma once

#include <cstdint>
#include <string>

#include "platform/WinTypes.h"

namespace platform {

using MciDeviceId = UInt;  // MCIDEVICEID; 0 is no device
using MciError = DWord;    // MCIERROR; 0 is success

// The parameter blocks of the commands the core sends, packed as
// <mmsystem.h> packs them (byte-aligned: on 64-bit Windows a pointer may
// follow a 32-bit field directly).
#pragma pack(push, 1)
struct MciGenericParms {
    std::uintptr_t dwCallback = 0;
};

struct MciOpenParmsA {
    std::uintptr_t dwCallback = 0;
    MciDeviceId wDeviceID = 0;
    const char* lpstrDeviceType = nullptr;
    const char* lpstrElementName = nullptr;
    const char* lpstrAlias = nullptr;
};

struct MciPlayParms {
    std::uintptr_t dwCallback = 0;
    DWord dwFrom = 0;
    DWord dwTo = 0;
};

struct MciSeekParms {
    std::uintptr_t dwCallback = 0;
    DWord dwTo = 0;
};

struct MciStatusParms {
    std::uintptr_t dwCallback = 0;
    std::uintptr_t dwReturn = 0;
    DWord dwItem = 0;
    DWord dwTrack = 0;
};
#pragma pack(pop)

template <class Parms>
std::uintptr_t ToParams(Parms* parms) {
    return reinterpret_cast<std::uintptr_t>(parms);
}

class MediaPort {
public:
    virtual ~MediaPort() = default;
    // params: the address of the command's parameter block (0 for none).
    virtual MciError mciSendCommandA(MciDeviceId device, UInt message, std::uintptr_t flags,
                                     std::uintptr_t params) = 0;
    // The error's text, cut to size - 1 characters; false for an unknown code.
    virtual bool mciGetErrorStringA(MciError error, char* buffer, UInt size) = 0;
};

}  // namespace platform
