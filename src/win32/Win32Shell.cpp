// ShellPort: the notification area and the program's icons, straight from
// shell32 and user32.
#include "Handles.h"
#include "Win32Api.h"
#include "Win32Platform.h"
// clang-format off
#include <shellapi.h>  // needs <windows.h> first
// clang-format on

namespace win32 {

using namespace platform;

bool Win32ShellPort::Shell_NotifyIconA(DWord message, NotifyIconDataA* data) {
    // The core's record is laid out as NOTIFYICONDATAA's shell-5 prefix
    // (PortChecks.cpp) and its cbSize says so.
    return ::Shell_NotifyIconA(message, reinterpret_cast<PNOTIFYICONDATAA>(data)) != FALSE;
}

Handle Win32ShellPort::LoadImageA(const std::string& name, UInt type, int cx, int cy, UInt flags) {
    return FromHandle(::LoadImageA(GetModuleHandleA(nullptr), name.c_str(), type, cx, cy, flags));
}

bool Win32ShellPort::DestroyIcon(Handle icon) {
    return ::DestroyIcon(static_cast<HICON>(ToHandle(icon))) != FALSE;
}

std::intptr_t Win32ShellPort::ShellExecuteA(Hwnd owner, const std::string& verb,
                                            const std::string& file, const std::string& parameters,
                                            const std::string& directory, int showCommand) {
    const HINSTANCE result =
        ::ShellExecuteA(ToHwnd(owner), verb.empty() ? nullptr : verb.c_str(), file.c_str(),
                        parameters.empty() ? nullptr : parameters.c_str(),
                        directory.empty() ? nullptr : directory.c_str(), showCommand);
    return reinterpret_cast<std::intptr_t>(result);
}

void Win32ShellPort::DragAcceptFiles(Hwnd window, bool accept) {
    ::DragAcceptFiles(ToHwnd(window), accept ? TRUE : FALSE);
}

UInt Win32ShellPort::DragQueryFileA(Handle drop, UInt index, char* buffer, UInt size) {
    return ::DragQueryFileA(static_cast<HDROP>(ToHandle(drop)), index, buffer, size);
}

void Win32ShellPort::DragFinish(Handle drop) {
    ::DragFinish(static_cast<HDROP>(ToHandle(drop)));
}

}  // namespace win32
