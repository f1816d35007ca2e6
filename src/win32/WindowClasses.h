// The core's windows on Windows: one window class per class name the core
// asks for, all sharing one window procedure that hands each message to the
// window's WindowProcTarget, after an optional filter that the views put in
// front of it.
#pragma once

#include "Win32Api.h"
#include "platform/WindowPort.h"

namespace win32 {

// Sees a window's messages before the core does; returns true when it
// answered the message itself (with *result).
class MessageFilter {
public:
    virtual ~MessageFilter() = default;
    virtual bool FilterMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                               LRESULT* result) = 0;
};

// Registers the class on first use and creates the window; every message of
// the window, from the first one sent during creation, reaches target.
HWND CreateTargetWindow(const platform::WindowCreateParams& params,
                        platform::WindowProcTarget* target);

// Puts filter in front of the core for a window made by CreateTargetWindow;
// nullptr removes it.
void SetMessageFilter(HWND hwnd, MessageFilter* filter);

// The program's icon, as the window classes carry it.
HICON ProgramIcon(int size);

}  // namespace win32
