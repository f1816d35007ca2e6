// Messages between windows, threads and processes: the user32 calls the
// link with the driver, the instance requests and the message loop use.
#pragma once

#include <string>

#include "platform/WinTypes.h"

namespace platform {

class MessagePort {
public:
    virtual ~MessagePort() = default;

    virtual UInt RegisterWindowMessageA(const std::string& name) = 0;
    // Returns false when the send failed or timed out; *result is the answer.
    virtual bool SendMessageTimeoutA(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam, UInt flags,
                                     UInt timeoutMs, LResult* result) = 0;
    virtual LResult SendMessageA(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam) = 0;
    virtual bool PostMessageA(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam) = 0;
    virtual bool ReplyMessage(LResult result) = 0;
    virtual bool InSendMessage() = 0;
    virtual LResult DefWindowProcA(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam) = 0;

    // The calling thread's message queue.
    virtual bool PeekMessageA(Msg& msg, Hwnd hwnd, UInt filterMin, UInt filterMax,
                              UInt removeFlags) = 0;
    // Blocks until a message arrives; false for WM_QUIT.
    virtual bool GetMessageA(Msg& msg, Hwnd hwnd, UInt filterMin, UInt filterMax) = 0;
    virtual bool TranslateMessage(const Msg& msg) = 0;
    virtual LResult DispatchMessageA(const Msg& msg) = 0;
    virtual void PostQuitMessage(int exitCode) = 0;
};

}  // namespace platform
