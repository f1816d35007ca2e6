// WindowPort on user32: top-level windows, their properties, showing and
// z-order, foreground handling, the threads behind windows, and the message
// box of the error report.
#include "GdiScopes.h"
#include "Handles.h"
#include "Win32Api.h"
#include "Win32Platform.h"
#include "WindowClasses.h"

namespace win32 {

using namespace platform;

Hwnd Win32WindowPort::CreateWindowExA(const WindowCreateParams& params, WindowProcTarget* target) {
    return FromHwnd(CreateTargetWindow(params, target));
}

bool Win32WindowPort::DestroyWindow(Hwnd hwnd) {
    return ::DestroyWindow(ToHwnd(hwnd)) != FALSE;
}

bool Win32WindowPort::IsWindow(Hwnd hwnd) {
    return ::IsWindow(ToHwnd(hwnd)) != FALSE;
}

Hwnd Win32WindowPort::FindWindowA(const std::string& className, const std::string& title) {
    return FromHwnd(::FindWindowA(className.c_str(), title.c_str()));
}

bool Win32WindowPort::SetWindowTextA(Hwnd hwnd, const std::string& text) {
    return ::SetWindowTextA(ToHwnd(hwnd), text.c_str()) != FALSE;
}

bool Win32WindowPort::SetPropA(Hwnd hwnd, const std::string& name, Handle value) {
    return ::SetPropA(ToHwnd(hwnd), name.c_str(), ToHandle(value)) != FALSE;
}

Handle Win32WindowPort::GetPropA(Hwnd hwnd, const std::string& name) {
    return FromHandle(::GetPropA(ToHwnd(hwnd), name.c_str()));
}

Handle Win32WindowPort::RemovePropA(Hwnd hwnd, const std::string& name) {
    return FromHandle(::RemovePropA(ToHwnd(hwnd), name.c_str()));
}

bool Win32WindowPort::ShowWindow(Hwnd hwnd, int cmdShow) {
    return ::ShowWindow(ToHwnd(hwnd), cmdShow) != FALSE;
}

bool Win32WindowPort::IsWindowVisible(Hwnd hwnd) {
    return ::IsWindowVisible(ToHwnd(hwnd)) != FALSE;
}

bool Win32WindowPort::IsIconic(Hwnd hwnd) {
    return ::IsIconic(ToHwnd(hwnd)) != FALSE;
}

bool Win32WindowPort::SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy,
                                   UInt flags) {
    return ::SetWindowPos(ToHwnd(hwnd), ToHwnd(insertAfter), x, y, cx, cy, flags) != FALSE;
}

Hwnd Win32WindowPort::GetForegroundWindow() {
    return FromHwnd(::GetForegroundWindow());
}

bool Win32WindowPort::SetForegroundWindow(Hwnd hwnd) {
    return ::SetForegroundWindow(ToHwnd(hwnd)) != FALSE;
}

DWord Win32WindowPort::GetWindowThreadProcessId(Hwnd hwnd, DWord* processId) {
    DWORD process = 0;
    const DWORD thread = ::GetWindowThreadProcessId(ToHwnd(hwnd), &process);
    if (processId) *processId = process;
    return thread;
}

DWord Win32WindowPort::GetCurrentThreadId() {
    return ::GetCurrentThreadId();
}

bool Win32WindowPort::AttachThreadInput(DWord attach, DWord attachTo, bool doAttach) {
    return ::AttachThreadInput(attach, attachTo, doAttach ? TRUE : FALSE) != FALSE;
}

bool Win32WindowPort::GetCursorPos(Point& point) {
    POINT native = {};
    if (!::GetCursorPos(&native)) return false;
    point.x = native.x;
    point.y = native.y;
    return true;
}

bool Win32WindowPort::GetWorkArea(Rect& area) {
    RECT native = {};
    if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &native, 0)) return false;
    area = FromRect(native);
    return true;
}

bool Win32WindowPort::AdjustWindowRectEx(Rect& rect, DWord style, bool hasMenu, DWord exStyle) {
    RECT native = ToRect(rect);
    if (!::AdjustWindowRectEx(&native, style, hasMenu ? TRUE : FALSE, exStyle)) return false;
    rect = FromRect(native);
    return true;
}

int Win32WindowPort::MessageBoxA(Hwnd owner, const std::string& text, const std::string& caption,
                                 UInt type) {
    return ::MessageBoxA(ToHwnd(owner), text.c_str(), caption.c_str(), type);
}

// The form's window is an ANSI one, so SetWindowTextW would reach it as an
// ANSI text in the system's code page; DefWindowProcW stores the title as
// UTF-16 without that detour.
bool Win32WindowPort::SetWindowTextW(Hwnd hwnd, const std::u16string& text) {
    const std::wstring wide(text.begin(), text.end());
    return ::DefWindowProcW(ToHwnd(hwnd), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str())) !=
           FALSE;
}

int Win32WindowPort::GetScreenDeviceCaps(int index) {
    const WindowDc screen(nullptr);
    return screen ? ::GetDeviceCaps(screen.get(), index) : 0;
}

}  // namespace win32
