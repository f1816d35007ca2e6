#include "PanelViews.h"

#include "Exports.h"
#include "Handles.h"

namespace win32 {

PanelViews::PanelViews(app::TForm1& main, app::TForm2& indicator)
    : main_(main, gdi_), indicator_(indicator, gdi_) {
    MakeColorKeyTransparent(ToHwnd(indicator.Handle()),
                            ResolveColor(indicator.TransparentColorValue));
}

bool MakeColorKeyTransparent(HWND hwnd, COLORREF key) {
    using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    if (!hwnd) return false;
    // Looked up at run time, so that the program's imports stay loadable
    // everywhere.
    const auto setLayered = Export<SetLayeredWindowAttributesFn>(GetModuleHandleA("user32.dll"),
                                                                 "SetLayeredWindowAttributes");
    if (!setLayered) return false;
    const LONG_PTR exStyle = GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
    SetWindowLongPtrA(hwnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    return setLayered(hwnd, key, 0, LWA_COLORKEY) != FALSE;
}

}  // namespace win32
