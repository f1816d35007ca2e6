// The driver link's fixed numbers and what a WM_HANDSET asks of the panel.
#pragma once

#include <cstdint>

#include "driverlink/HandsetStatus.h"
#include "platform/WinConst.h"

namespace driverlink {

constexpr const char* kDeviceChangeMessageName = "winmm_devicechange";
constexpr const char* kDiscoverMessageName = "KESTAVWiredUIDiscover";
constexpr const char* kAttachMessageName = "KESTAVWiredUIAttach";

constexpr platform::UInt WM_HANDSET = platform::WM_USER + 110;  // 1134
constexpr platform::LParam kGreetingLParam = 0x8001;
constexpr platform::UInt kDriverSendTimeoutMs = 500;

// What a WM_HANDSET asks of the panel. A key message from a handset that is
// not present asks nothing; a key code of 0 is a release and still a key.
enum class HandsetEvent { Status, Key, Ignored };

inline HandsetEvent EventOf(std::uint32_t statusW, std::uint32_t statusL) {
    if (KindOrKey(statusL) == kStatusKind) return HandsetEvent::Status;
    return (statusW & kHandsetPresent) ? HandsetEvent::Key : HandsetEvent::Ignored;
}

}  // namespace driverlink
