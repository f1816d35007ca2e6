// The handset as the driver reports it, and its encoding in WM_HANDSET.
#pragma once

#include <windows.h>

#include "LinkProtocol.h"

struct HandsetState {
    bool present = true;
    bool skypeReady = true;
    bool keyboardBlocked = false;
    unsigned keyMode = 0;    // byte 1 of lParam
    unsigned callState = 0;  // byte 3 of lParam

    WPARAM statusWord() const {
        WPARAM w = 0;
        if (skypeReady) w |= link::kBitSkypeReady;
        if (present) w |= link::kBitPresent;
        if (keyboardBlocked) w |= link::kBitBlocked;
        return w;
    }

    // lowByte is link::kStatusCode for a status message, else a key code.
    LPARAM statusLong(unsigned lowByte) const {
        const DWORD l = (lowByte & 0xFFu) | ((keyMode & 0xFFu) << 8) | ((callState & 0xFFu) << 24);
        return static_cast<LPARAM>(l);
    }
};
