// Conversions between the core's plain handle and message types and the
// SDK's. The core's types have the SDK's sizes (checked in PortChecks.cpp),
// so a handle converts by value.
#pragma once

#include "Win32Api.h"
#include "platform/WinTypes.h"

namespace win32 {

inline HWND ToHwnd(platform::Hwnd hwnd) {
    return reinterpret_cast<HWND>(hwnd);
}
inline platform::Hwnd FromHwnd(HWND hwnd) {
    return reinterpret_cast<platform::Hwnd>(hwnd);
}
inline platform::Handle FromHandle(HANDLE handle) {
    return reinterpret_cast<platform::Handle>(handle);
}
inline HANDLE ToHandle(platform::Handle handle) {
    return reinterpret_cast<HANDLE>(handle);
}

inline MSG ToMsg(const platform::Msg& in) {
    MSG out = {};
    out.hwnd = ToHwnd(in.hwnd);
    out.message = in.message;
    out.wParam = in.wParam;
    out.lParam = in.lParam;
    out.time = in.time;
    out.pt.x = in.pt.x;
    out.pt.y = in.pt.y;
    return out;
}

inline platform::Msg FromMsg(const MSG& in) {
    platform::Msg out;
    out.hwnd = FromHwnd(in.hwnd);
    out.message = in.message;
    out.wParam = in.wParam;
    out.lParam = in.lParam;
    out.time = in.time;
    out.pt.x = in.pt.x;
    out.pt.y = in.pt.y;
    return out;
}

inline RECT ToRect(const platform::Rect& in) {
    return RECT{in.left, in.top, in.right, in.bottom};
}
inline platform::Rect FromRect(const RECT& in) {
    return platform::Rect{in.left, in.top, in.right, in.bottom};
}

}  // namespace win32
