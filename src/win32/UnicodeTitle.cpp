#include "UnicodeTitle.h"

#include <utility>
#include <vector>

namespace win32 {

namespace {

// Each form's own procedure, behind the title procedure. Kept here rather
// than in a window property: the title procedure sees every message the form
// gets, and under Wine a property read is a round trip to the wineserver,
// which a driver that sends a status message after another would wait for.
// The forms live on the GUI thread only.
std::vector<std::pair<HWND, WNDPROC>>& Bases() {
    static std::vector<std::pair<HWND, WNDPROC>> bases;
    return bases;
}

// cppcheck-suppress constParameter ; a window handle, not a pointer to data of ours
WNDPROC BaseOf(HWND hwnd) {
    for (const auto& [form, base] : Bases())
        if (form == hwnd) return base;
    return nullptr;
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
    if (base) Bases().emplace_back(form, reinterpret_cast<WNDPROC>(base));
}

void ReleaseTitle(HWND form) {
    const WNDPROC base = BaseOf(form);
    if (!base) return;
    if (GetWindowLongPtrW(form, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(TitleProc))
        SetWindowLongPtrW(form, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(base));
    std::vector<std::pair<HWND, WNDPROC>>& bases = Bases();
    for (auto it = bases.begin(); it != bases.end(); ++it) {
        if (it->first == form) {
            bases.erase(it);
            break;
        }
    }
}

}  // namespace win32
