// MessagePort of a simulated process.
#include "platform/WinConst.h"
#include "sim/SimCopyData.h"
#include "sim/SimProcess.h"

namespace sim {

using namespace platform;

UInt SimMessagePort::RegisterWindowMessageA(const std::string& name) {
    SimCall call = Call(Api::RegisterWindowMessageA);
    call.text = name;
    const UInt id = World().Register(name);
    call.msg = id;
    Log(std::move(call));
    return id;
}

bool SimMessagePort::SendMessageTimeoutA(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam,
                                         UInt flags, UInt timeoutMs, LResult* result) {
    SimCall call = Call(Api::SendMessageTimeoutA, hwnd, msg, wParam, lParam);
    call.flags = flags;
    call.timeout = timeoutMs;
    if (msg == WM_COPYDATA && lParam != 0)
        call.data = CopyDataBytes(*reinterpret_cast<const CopyDataStruct*>(lParam));
    Log(std::move(call));
    return World().Send(Caller(), hwnd, msg, wParam, lParam, flags, timeoutMs, result);
}

LResult SimMessagePort::SendMessageA(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam) {
    Log(Call(Api::SendMessageA, hwnd, msg, wParam, lParam));
    LResult result = 0;
    World().Send(Caller(), hwnd, msg, wParam, lParam, SMTO_NORMAL, INFINITE, &result);
    return result;
}

bool SimMessagePort::PostMessageA(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam) {
    Log(Call(Api::PostMessageA, hwnd, msg, wParam, lParam));
    return World().Post(hwnd, msg, wParam, lParam);
}

bool SimMessagePort::ReplyMessage(LResult result) {
    SimCall call = Call(Api::ReplyMessage);
    call.lParam = result;
    Log(std::move(call));
    return World().Reply(Caller(), result);
}

bool SimMessagePort::InSendMessage() {
    return World().InSend(Caller());
}

LResult SimMessagePort::DefWindowProcA(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam) {
    Log(Call(Api::DefWindowProcA, hwnd, msg, wParam, lParam));
    return 0;
}

bool SimMessagePort::PeekMessageA(Msg& msg, Hwnd, UInt, UInt, UInt removeFlags) {
    return World().Peek(Caller(), msg, (removeFlags & PM_REMOVE) != 0);
}

bool SimMessagePort::GetMessageA(Msg& msg, Hwnd, UInt, UInt) {
    // Waiting moves the virtual clock to the next thing that can happen;
    // with nothing left to happen the loop ends as if told to quit.
    const DWord tid = Caller();
    while (!World().Peek(tid, msg, true)) {
        if (!World().WaitForNextEvent(tid)) {
            msg = Msg{};
            msg.message = WM_QUIT;
            return false;
        }
    }
    return msg.message != WM_QUIT;
}

bool SimMessagePort::TranslateMessage(const Msg&) {
    return false;
}

LResult SimMessagePort::DispatchMessageA(const Msg& msg) {
    return World().Dispatch(Caller(), msg);
}

void SimMessagePort::PostQuitMessage(int) {
    Log(Call(Api::PostQuitMessage));
    World().Thread(Caller()).quitPosted = true;
}

}  // namespace sim
