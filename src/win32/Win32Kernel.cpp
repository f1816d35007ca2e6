// TimerPort and SyncPort: window timers, the named semaphore of the single
// instance, the thread's last error and Sleep.
#include "Handles.h"
#include "Win32Api.h"
#include "Win32Platform.h"

namespace win32 {

using namespace platform;

bool Win32TimerPort::SetTimer(Hwnd hwnd, UInt id, UInt elapseMs) {
    return ::SetTimer(ToHwnd(hwnd), id, elapseMs, nullptr) != 0;
}

bool Win32TimerPort::KillTimer(Hwnd hwnd, UInt id) {
    return ::KillTimer(ToHwnd(hwnd), id) != FALSE;
}

Handle Win32SyncPort::CreateSemaphoreA(long initialCount, long maximumCount,
                                       const std::string& name) {
    return FromHandle(::CreateSemaphoreA(nullptr, initialCount, maximumCount, name.c_str()));
}

DWord Win32SyncPort::GetLastError() {
    return ::GetLastError();
}

bool Win32SyncPort::CloseHandle(Handle object) {
    return ::CloseHandle(ToHandle(object)) != FALSE;
}

void Win32SyncPort::Sleep(DWord milliseconds) {
    ::Sleep(milliseconds);
}

}  // namespace win32
