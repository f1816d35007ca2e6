// The control windows' own procedures with the view in front: every
// control window is subclassed, so that the view sees its focus, keys and
// cursor, and finds its control again from the window.
#include "FormView.h"
#include "Win32Api.h"

namespace win32 {

namespace {

constexpr const char* kNativeProperty = "UsbPhonePanel.Control";

// Exceptions never leave this procedure: user32's frames cannot be unwound.
LRESULT CALLBACK ControlWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    NativeControl* native = NativeOf(hwnd);
    if (!native) return DefWindowProcA(hwnd, msg, wParam, lParam);
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
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(base));
        RemovePropA(hwnd, kNativeProperty);
        if (hwnd == native->stopButton)
            native->stopButton = nullptr;
        else
            native->hwnd = nullptr;
    }
    return handled ? result : CallWindowProcA(base, hwnd, msg, wParam, lParam);
}

void SubclassWindow(HWND hwnd, NativeControl& native, WNDPROC& base) {
    if (!hwnd) return;
    SetPropA(hwnd, kNativeProperty, &native);
    base = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlWindowProc)));
}

void UnsubclassWindow(HWND hwnd, WNDPROC base) {
    if (!hwnd || !base) return;
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(base));
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
