// ThreadPort on kernel32: the program's own threads, events and waits.
#include "Handles.h"
#include "Win32Api.h"
#include "Win32Platform.h"

namespace win32 {

using namespace platform;

namespace {

// Nothing may unwind out of a thread's entry: there is no frame to catch it.
DWORD WINAPI ThreadEntry(LPVOID body) {
    try {
        return static_cast<ThreadBody*>(body)->Run();
    } catch (...) {
        return 1;
    }
}

}  // namespace

Handle Win32ThreadPort::CreateThread(ThreadBody& body, bool suspended, DWord* threadId) {
    DWORD id = 0;
    const HANDLE thread =
        ::CreateThread(nullptr, 0, &ThreadEntry, &body, suspended ? CREATE_SUSPENDED : 0, &id);
    if (threadId) *threadId = thread ? id : 0;
    return FromHandle(thread);
}

DWord Win32ThreadPort::ResumeThread(Handle thread) {
    return ::ResumeThread(ToHandle(thread));
}

bool Win32ThreadPort::GetExitCodeThread(Handle thread, DWord* exitCode) {
    DWORD code = 0;
    if (!::GetExitCodeThread(ToHandle(thread), &code)) return false;
    if (exitCode) *exitCode = code;
    return true;
}

Handle Win32ThreadPort::CreateEventA(bool manualReset, bool initialState) {
    return FromHandle(
        ::CreateEventA(nullptr, manualReset ? TRUE : FALSE, initialState ? TRUE : FALSE, nullptr));
}

bool Win32ThreadPort::SetEvent(Handle event) {
    return ::SetEvent(ToHandle(event)) != FALSE;
}

bool Win32ThreadPort::ResetEvent(Handle event) {
    return ::ResetEvent(ToHandle(event)) != FALSE;
}

DWord Win32ThreadPort::WaitForSingleObject(Handle object, DWord timeoutMs) {
    return ::WaitForSingleObject(ToHandle(object), timeoutMs);
}

DWord Win32ThreadPort::MsgWaitForSingleObject(Handle object, DWord timeoutMs) {
    HANDLE handle = ToHandle(object);
    return ::MsgWaitForMultipleObjects(1, &handle, FALSE, timeoutMs, QS_SENDMESSAGE);
}

}  // namespace win32
