// MessagePort on user32: registered messages, sends and posts, replies, and
// the thread's message queue.
#include "Handles.h"
#include "Win32Api.h"
#include "Win32Platform.h"

namespace win32 {

using namespace platform;

UInt Win32MessagePort::RegisterWindowMessageA(const std::string& name) {
    return ::RegisterWindowMessageA(name.c_str());
}

bool Win32MessagePort::SendMessageTimeoutA(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam,
                                           UInt flags, UInt timeoutMs, LResult* result) {
    DWORD_PTR answer = 0;
    const LRESULT ok =
        ::SendMessageTimeoutA(ToHwnd(hwnd), msg, wParam, lParam, flags, timeoutMs, &answer);
    if (result) *result = static_cast<LResult>(answer);
    return ok != 0;
}

LResult Win32MessagePort::SendMessageA(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam) {
    return ::SendMessageA(ToHwnd(hwnd), msg, wParam, lParam);
}

bool Win32MessagePort::PostMessageA(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam) {
    return ::PostMessageA(ToHwnd(hwnd), msg, wParam, lParam) != FALSE;
}

bool Win32MessagePort::ReplyMessage(LResult result) {
    return ::ReplyMessage(result) != FALSE;
}

bool Win32MessagePort::InSendMessage() {
    // Whether a send from another thread waits for this thread's answer: sent,
    // and not yet replied to. Windows' own InSendMessage is exactly this; Wine's
    // stays true after ReplyMessage, so ask for the flags.
    return (::InSendMessageEx(nullptr) & (ISMEX_SEND | ISMEX_REPLIED)) == ISMEX_SEND;
}

LResult Win32MessagePort::DefWindowProcA(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam) {
    return ::DefWindowProcA(ToHwnd(hwnd), msg, wParam, lParam);
}

bool Win32MessagePort::PeekMessageA(Msg& msg, Hwnd hwnd, UInt filterMin, UInt filterMax,
                                    UInt removeFlags) {
    MSG native = {};
    if (!::PeekMessageA(&native, ToHwnd(hwnd), filterMin, filterMax, removeFlags)) return false;
    msg = FromMsg(native);
    return true;
}

bool Win32MessagePort::GetMessageA(Msg& msg, Hwnd hwnd, UInt filterMin, UInt filterMax) {
    MSG native = {};
    // -1 is an error (an invalid window filter): treated like the end of the loop.
    const BOOL got = ::GetMessageA(&native, ToHwnd(hwnd), filterMin, filterMax);
    msg = FromMsg(native);
    return got > 0;
}

bool Win32MessagePort::TranslateMessage(const Msg& msg) {
    const MSG native = ToMsg(msg);
    return ::TranslateMessage(&native) != FALSE;
}

LResult Win32MessagePort::DispatchMessageA(const Msg& msg) {
    const MSG native = ToMsg(msg);
    return ::DispatchMessageA(&native);
}

void Win32MessagePort::PostQuitMessage(int exitCode) {
    ::PostQuitMessage(exitCode);
}

}  // namespace win32
