// The control windows' own procedures with the view in front: every
// control window is subclassed, so that the view sees its focus, keys and
// cursor, and finds its control again from the window.
#include "FormView.h"
#include "Win32Api.h"

namespace win32 {

namespace {

constexpr const char* kNativeProperty = "UsbPhonePanel.Control";

WNDPROC SetProcedure(HWND hwnd, WNDPROC proc, bool unicode) {
    const LONG_PTR value = reinterpret_cast<LONG_PTR>(proc);
    return reinterpret_cast<WNDPROC>(unicode ? SetWindowLongPtrW(hwnd, GWLP_WNDPROC, value)
                                             : SetWindowLongPtrA(hwnd, GWLP_WNDPROC, value));
}

// Exceptions never leave this procedure: user32's frames cannot be unwound.
// A Unicode window keeps taking its messages in the UTF-16 forms.
LRESULT CALLBACK ControlWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    NativeControl* native = NativeOf(hwnd);
    const bool unicode = IsWindowUnicode(hwnd) != FALSE;
    if (!native)
        return unicode ? DefWindowProcW(hwnd, msg, wParam, lParam)
                       : DefWindowProcA(hwnd, msg, wParam, lParam);
    const WNDPROC base = hwnd == native->stopButton ? native->stopBaseProc : native->baseProc;
    LRESULT result = 0;
    bool handled = false;
    try {
        if (native->view)
            handled =
                native->view->ControlMessage(*native, hwnd, msg, wParam, lParam, base, &result);
    } catch (...) {
        handled = false;
    }
    if (msg == WM_NCDESTROY) {
        SetProcedure(hwnd, base, unicode);
        RemovePropA(hwnd, kNativeProperty);
        if (hwnd == native->stopButton)
            native->stopButton = nullptr;
        else
            native->hwnd = nullptr;
    }
    if (handled) return result;
    return unicode ? CallWindowProcW(base, hwnd, msg, wParam, lParam)
                   : CallWindowProcA(base, hwnd, msg, wParam, lParam);
}

void SubclassWindow(HWND hwnd, NativeControl& native, WNDPROC& base) {
    if (!hwnd) return;
    SetPropA(hwnd, kNativeProperty, &native);
    base = SetProcedure(hwnd, ControlWindowProc, IsWindowUnicode(hwnd) != FALSE);
}

void UnsubclassWindow(HWND hwnd, WNDPROC base) {
    if (!hwnd || !base) return;
    SetProcedure(hwnd, base, IsWindowUnicode(hwnd) != FALSE);
    RemovePropA(hwnd, kNativeProperty);
}

}  // namespace

NativeControl* NativeOf(HWND hwnd) {
    return hwnd ? static_cast<NativeControl*>(GetPropA(hwnd, kNativeProperty)) : nullptr;
}

void Subclass(NativeControl& native) {
    SubclassWindow(native.hwnd, native, native.baseProc);
    SubclassWindow(native.stopButton, native, native.stopBaseProc);
}

void Unsubclass(NativeControl& native) {
    UnsubclassWindow(native.hwnd, native.baseProc);
    UnsubclassWindow(native.stopButton, native.stopBaseProc);
    native.view = nullptr;
}

}  // namespace win32
