// MediaPort: winmm's MCI command interface as it is.
// clang-format off
#include "Win32Api.h"
#include <mmsystem.h>
// clang-format on
#include "Win32Platform.h"

namespace win32 {

using namespace platform;

MciError Win32MediaPort::mciSendCommandA(MciDeviceId device, UInt message, std::uintptr_t flags,
                                         std::uintptr_t params) {
    return ::mciSendCommandA(device, message, flags, params);
}

bool Win32MediaPort::mciGetErrorStringA(MciError error, char* buffer, UInt size) {
    return ::mciGetErrorStringA(error, buffer, size) != FALSE;
}

}  // namespace win32
