// The panel's side of the link with the handset driver process: finding each
// other, the status and key message, the watchdog, and the text commands.
#include <exception>

#include "app/Unit1.h"
#include "driverlink/CommandFrame.h"
#include "driverlink/DeviceReply.h"
#include "driverlink/HandsetMessage.h"
#include "platform/WinConst.h"

namespace app {

using namespace platform;
using namespace driverlink;

void TForm1::SendToDriver(Hwnd window, UInt message, WParam wParam, LParam lParam) {
    // Inside an unanswered send from another thread the driver may be waiting
    // on us: sending to it now could deadlock, so the message is dropped.
    if (Os().messages.InSendMessage()) return;
    LResult ignored = 0;
    Os().messages.SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG,
                                      kDriverSendTimeoutMs, &ignored);
}

void TForm1::SendDrvCommand(const std::string& text) {
    if (DrvWnd == 0 || text.empty() || text[0] == '\0') return;
    std::vector<std::uint8_t> frame;
    try {
        frame = BuildCommandFrame(text);
    } catch (const std::bad_alloc&) {
        return;
    }
    CopyDataStruct data;
    data.dwData = 0;
    data.cbData = static_cast<DWord>(frame.size());
    data.lpData = frame.data();
    SendToDriver(DrvWnd, WM_COPYDATA, Handle(), ToLParam(&data));
}

void TForm1::SendGreeting() {
    SendToDriver(HWND_BROADCAST, MsgAttach, Handle(), kGreetingLParam);
}

void TForm1::DiscoverHandler(vcl::TMessage& message) {
    const Hwnd previous = DrvWnd;
    DrvWnd = DrvWndSaved = ToHwnd(message.WParam);
    SearchMode = false;
    DiscoverReceived = true;
    TimerDrvCheck.Restart();
    if (previous != 0) Os().messages.PostMessageA(previous, MsgAttach, Handle(), 0);
    if (DrvWnd != 0) Os().messages.PostMessageA(DrvWnd, MsgAttach, Handle(), 0);
}

void TForm1::OnHandsetMessage(vcl::TMessage& message) {
    DrvWnd = DrvWndSaved;
    // Answer first: the driver's send completes here, and the commands the
    // status handling issues are no longer inside an unanswered send.
    message.Result = 1;
    Os().messages.ReplyMessage(1);
    if (Destroying) return;
    TimerDrvCheck.Restart();
    StatusL = static_cast<std::uint32_t>(message.LParam);
    StatusW = static_cast<std::uint32_t>(message.WParam);
    switch (EventOf(StatusW, StatusL)) {
        case HandsetEvent::Status:
            StatusRefresh();
            break;
        case HandsetEvent::Key:
            KeyEntry(KindOrKey(StatusL));
            break;
        case HandsetEvent::Ignored:
            break;
    }
}

bool TForm1::ReplyHandler(vcl::TMessage& message) {
    const std::string text = ReadCopyDataText(message.LParam);
    switch (DeviceReplyOf(text)) {
        case DeviceReply::AudioIn:
            ApplySkypeDeviceReply(text, kAudioInPrefix, suiComboBoxSkypeIn);
            return true;
        case DeviceReply::AudioOut:
            ApplySkypeDeviceReply(text, kAudioOutPrefix, suiComboBoxSkypeOut);
            return true;
        case DeviceReply::None:
            break;
    }
    return false;
}

void TForm1::TimerDrvCheckTimer(vcl::TObject*) {
    DrvWnd = 0;
    UpdateVolumeGroup(false);
    UpdateSkypeGroup(false);
    TimerDrvCheck.SetEnabled(false);
    if (Ring.End()) SelectRingFile(FileListBoxTest.ItemIndex());
    SetTrayIcon(0);
    if (SearchMode) {
        ExitRequested = true;
        Close();
    }
}

}  // namespace app
