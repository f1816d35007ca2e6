// The main window's dispatch: every message from outside the program passes
// here before the framework sees it.
#include "app/SingleInstance.h"
#include "app/TimerRestart.h"
#include "app/Unit1.h"
#include "driverlink/HandsetMessage.h"
#include "platform/WinConst.h"

namespace app {

using namespace platform;

namespace {
// Registered ids are 0 until obtained; 0 must not match WM_NULL.
bool IsRegistered(UInt id, UInt msg) { return id != 0 && id == msg; }
}  // namespace

bool TForm1::Dispatch(vcl::TMessage& message) {
    const UInt msg = message.Msg;
    bool handled = false;
    if (IsRegistered(MsgDevChange, msg)) {
        RescanMixers();
        RestartTimer(TimerDevChg);
        handled = true;
    } else if (IsRegistered(MsgDiscover, msg)) {
        DiscoverHandler(message);
        handled = true;
    } else if (IsRegistered(MsgAttach, msg)) {
        handled = true;
    } else {
        switch (msg) {
            case driverlink::WM_HANDSET:
                // Answered at its start, before anything else.
                OnHandsetMessage(message);
                return true;
            case WM_INSTANCE_QUIT:
                if (HasRequestSignature(message.WParam, message.LParam)) ItemExitClick(this);
                handled = true;
                break;
            case WM_INSTANCE_SHOW:
                if (HasRequestSignature(message.WParam, message.LParam)) ShowMainWindow();
                handled = true;
                break;
            case WM_SETTINGCHANGE:
                DetectLanguage();
                ApplyLanguage(LanguageCharset(CurrentLanguage));
                return false;
            case WM_COPYDATA:
                handled = ReplyHandler(message);
                break;
            case WM_DEVICECHANGE:
                RestartTimer(TimerDevChg);
                RescanMixers();
                return false;
            default:
                return false;
        }
    }
    if (handled) {
        message.Result = 1;
        Os().messages.ReplyMessage(1);
    }
    return handled;
}

void TForm1::ApplicationEvents1Message(Msg& msg, bool&) {
    switch (msg.message) {
        case WM_KEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_MOUSEWHEEL:
            RestartTimerIfRunning(TimerMin);
            break;
        case WM_MOUSEMOVE:
            // Only a move with a button or modifier key held counts as input.
            if (msg.wParam != 0) RestartTimerIfRunning(TimerMin);
            break;
        default:
            break;
    }
}

}  // namespace app
