// The main window's dispatch: every message from outside the program passes
// here before the framework sees it.
#include "app/MessageFilters.h"
#include "app/SingleInstance.h"
#include "app/Unit1.h"
#include "driverlink/HandsetMessage.h"
#include "platform/WinConst.h"
#include "ui/LanguageTable.h"

namespace app {

using namespace platform;

bool TForm1::Dispatch(vcl::TMessage& message) {
    const UInt msg = message.Msg;
    bool handled = false;
    if (IsRegisteredMessage(MsgDevChange, msg)) {
        RescanMixers();
        TimerDevChg.Restart();
        handled = true;
    } else if (IsRegisteredMessage(MsgDiscover, msg)) {
        DiscoverHandler(message);
        handled = true;
    } else if (IsRegisteredMessage(MsgAttach, msg)) {
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
                // Answered first (its result is not read): inside an unanswered
                // send the Skype lists' device queries could not reach the
                // driver, and the lists would stay at the default device.
                Os().messages.ReplyMessage(0);
                DetectLanguage();
                ApplyLanguage(ui::LanguageCharset(CurrentLanguage));
                return false;
            case WM_COPYDATA:
                handled = ReplyHandler(message);
                break;
            case WM_DEVICECHANGE:
                TimerDevChg.Restart();
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

// cppcheck-suppress constParameter ; the application event hands its message over writable
void TForm1::ApplicationEvents1Message(Msg& msg, bool&) {
    if (IsUserInput(msg)) RestartTimerIfRunning(TimerMin);
}

}  // namespace app
