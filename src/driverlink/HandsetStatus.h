// The fields of a WM_HANDSET: the status bits of wParam and the bytes of
// lParam, named once for the status refresh, the tray images and the keys.
// Free of the SDK's names, so that the main window's header may hold it.
#pragma once

#include <cstdint>

namespace driverlink {

// wParam bits.
constexpr std::uint32_t kSkypeReady = 0x0001;
constexpr std::uint32_t kHandsetPresent = 0x0100;
constexpr std::uint32_t kKeyboardBlocked = 0x0200;

// lParam: byte 0 is 0xFF for a status message, else the key code.
constexpr std::uint8_t kStatusKind = 0xFF;
constexpr std::uint8_t kCallRinging = 1;
constexpr std::uint8_t kCallInCall = 6;

inline std::uint8_t KindOrKey(std::uint32_t statusL) {
    return statusL & 0xFF;
}
inline std::uint8_t KeyMode(std::uint32_t statusL) {
    return (statusL >> 8) & 0xFF;
}
inline std::uint8_t CallState(std::uint32_t statusL) {
    return (statusL >> 24) & 0xFF;
}

// A status message's fields by name: what the status refresh, the tray
// images and the keys read, decoded in this one place.
struct HandsetStatus {
    bool skypeReady = false;
    bool handsetPresent = false;
    bool keyboardBlocked = false;
    std::uint8_t keyMode = 0;  // not 0: the handset's keys drive the panel
    std::uint8_t callState = 0;

    bool Ringing() const { return callState == kCallRinging; }
    bool InCall() const { return callState == kCallInCall; }
    // The indicator shows while the handset is there with its keys blocked.
    bool KeysBlocked() const { return handsetPresent && keyboardBlocked; }
};

inline HandsetStatus StatusOf(std::uint32_t statusW, std::uint32_t statusL) {
    HandsetStatus status;
    status.skypeReady = (statusW & kSkypeReady) != 0;
    status.handsetPresent = (statusW & kHandsetPresent) != 0;
    status.keyboardBlocked = (statusW & kKeyboardBlocked) != 0;
    status.keyMode = KeyMode(statusL);
    status.callState = CallState(statusL);
    return status;
}

}  // namespace driverlink
