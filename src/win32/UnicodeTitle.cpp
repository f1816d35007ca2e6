#include "UnicodeTitle.h"

namespace win32 {

namespace {

constexpr const char* kBaseProperty = "UsbPhonePanel.TitleBase";

WNDPROC BaseOf(HWND hwnd) {
    return reinterpret_cast<WNDPROC>(GetPropA(hwnd, kBaseProperty));
}

LRESULT CALLBACK TitleProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const WNDPROC base = BaseOf(hwnd);
    if (!base) return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_GETTEXT || msg == WM_GETTEXTLENGTH)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) ReleaseTitle(hwnd);
    return CallWindowProcW(base, hwnd, msg, wParam, lParam);
}

}  // namespace

void KeepTitleUnicode(HWND form) {
    if (!form || BaseOf(form)) return;
    const LONG_PTR base =
        SetWindowLongPtrW(form, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TitleProc));
    if (base) SetPropA(form, kBaseProperty, reinterpret_cast<HANDLE>(base));
}

void ReleaseTitle(HWND form) {
    const WNDPROC base = BaseOf(form);
    if (!base) return;
    if (GetWindowLongPtrW(form, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(TitleProc))
        SetWindowLongPtrW(form, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(base));
    RemovePropA(form, kBaseProperty);
}

}  // namespace win32
