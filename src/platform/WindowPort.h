// Top-level windows: creation, lookup, properties, showing, foreground and
// z-order, the threads behind them, and the message box of the error report.
#pragma once

#include <string>

#include "platform/WinTypes.h"

namespace platform {

// Receives the messages of a window the core created.
class WindowProcTarget {
public:
    virtual ~WindowProcTarget() = default;
    virtual LResult WindowProc(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam) = 0;
};

struct WindowCreateParams {
    DWord exStyle = 0;
    std::string className;
    std::string title;
    DWord style = 0;
    Rect bounds;      // outer rectangle in screen coordinates (a child's: in its parent's)
    Hwnd owner = 0;   // owner window, 0 for none
    Hwnd parent = 0;  // parent of a child window (WS_CHILD), 0 for a top-level one
    int id = 0;       // a child's control identifier
};

class WindowPort {
public:
    virtual ~WindowPort() = default;

    virtual Hwnd CreateWindowExA(const WindowCreateParams& params, WindowProcTarget* target) = 0;
    virtual bool DestroyWindow(Hwnd hwnd) = 0;
    virtual bool IsWindow(Hwnd hwnd) = 0;
    virtual Hwnd FindWindowA(const std::string& className, const std::string& title) = 0;
    virtual bool SetWindowTextA(Hwnd hwnd, const std::string& text) = 0;

    virtual bool SetPropA(Hwnd hwnd, const std::string& name, Handle value) = 0;
    virtual Handle GetPropA(Hwnd hwnd, const std::string& name) = 0;
    virtual Handle RemovePropA(Hwnd hwnd, const std::string& name) = 0;

    virtual bool ShowWindow(Hwnd hwnd, int cmdShow) = 0;
    virtual bool IsWindowVisible(Hwnd hwnd) = 0;
    virtual bool IsIconic(Hwnd hwnd) = 0;
    virtual bool SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy,
                              UInt flags) = 0;
    virtual Hwnd GetForegroundWindow() = 0;
    virtual bool SetForegroundWindow(Hwnd hwnd) = 0;

    virtual DWord GetWindowThreadProcessId(Hwnd hwnd, DWord* processId) = 0;
    virtual DWord GetCurrentThreadId() = 0;
    virtual bool AttachThreadInput(DWord attach, DWord attachTo, bool doAttach) = 0;

    virtual bool GetCursorPos(Point& point) = 0;
    // SystemParametersInfoA(SPI_GETWORKAREA).
    virtual bool GetWorkArea(Rect& area) = 0;
    virtual bool AdjustWindowRectEx(Rect& rect, DWord style, bool hasMenu, DWord exStyle) = 0;

    virtual int MessageBoxA(Hwnd owner, const std::string& text, const std::string& caption,
                            UInt type) = 0;

    // --- Texts in any script and the screen's resolution -------------------
    // The window's title as UTF-16, whatever the system's code page.
    virtual bool SetWindowTextW(Hwnd hwnd, const std::u16string& text) = 0;
    // GetDeviceCaps on the screen's device context (GetDC(NULL)).
    virtual int GetScreenDeviceCaps(int index) = 0;
};

}  // namespace platform
