// Plain-C++ stand-ins for the Windows types the core passes through its ports.
// Sizes follow the 32- and 64-bit Windows ABIs so the Win32 adapter can cast
// between them without copying.
#pragma once

#include <cstdint>

namespace platform {

using UInt = std::uint32_t;     // UINT
using DWord = std::uint32_t;    // DWORD
using Word = std::uint16_t;     // WORD
using Byte = std::uint8_t;      // BYTE
using WParam = std::uintptr_t;  // WPARAM
using LParam = std::intptr_t;   // LPARAM
using LResult = std::intptr_t;  // LRESULT
using Hwnd = std::uintptr_t;    // HWND as an opaque value; 0 is no window
using Handle = std::uintptr_t;  // HANDLE and property values

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// MSG as the message loop sees it.
struct Msg {
    Hwnd hwnd = 0;
    UInt message = 0;
    WParam wParam = 0;
    LParam lParam = 0;
    DWord time = 0;
    Point pt;
};

// COPYDATASTRUCT, laid out as Windows lays it out.
struct CopyDataStruct {
    std::uintptr_t dwData = 0;
    DWord cbData = 0;
    const void* lpData = nullptr;
};

inline LParam ToLParam(const void* p) {
    return reinterpret_cast<LParam>(p);
}
inline Hwnd ToHwnd(WParam w) {
    return static_cast<Hwnd>(w);
}

}  // namespace platform
