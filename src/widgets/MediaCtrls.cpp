#include "widgets/MediaCtrls.h"

#include "platform/WinConst.h"
#include "widgets/Application.h"
#include "widgets/WebAddress.h"

namespace vcl {

using namespace platform;

MediaPort& TMediaPlayer::Media() const {
    return Form()->Application().Platform().media;
}

void TMediaPlayer::Open() {
    Close();
    MciOpenParmsA open;
    open.lpstrElementName = fileName_.c_str();
    const MciError error =
        Media().mciSendCommandA(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT, ToParams(&open));
    if (error != 0) {
        char text[256] = {};
        if (!Media().mciGetErrorStringA(error, text, sizeof text))
            throw EMCIDeviceError("MCI error " + std::to_string(error));
        throw EMCIDeviceError(text);
    }
    device_ = platform::Owned<MciDeviceKind>(Media(), open.wDeviceID);
}

bool TMediaPlayer::MciDeviceKind::Close(MediaPort& media, MciDeviceId device) {
    MciGenericParms close;
    return media.mciSendCommandA(device, MCI_CLOSE, MCI_WAIT, ToParams(&close)) == 0;
}

void TMediaPlayer::Close() {
    device_.reset();
}

void TMediaPlayer::Play() {
    if (!device_) return;
    MciPlayParms play;
    Media().mciSendCommandA(device_.get(), MCI_PLAY, 0, ToParams(&play));
}

void TMediaPlayer::Stop() {
    if (!device_) return;
    MciGenericParms stop;
    Media().mciSendCommandA(device_.get(), MCI_STOP, MCI_WAIT, ToParams(&stop));
}

void TMediaPlayer::Rewind() {
    if (!device_) return;
    // Some layers refuse a seek without its parameter block.
    MciSeekParms seek;
    Media().mciSendCommandA(device_.get(), MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT, ToParams(&seek));
}

DWord TMediaPlayer::Status(DWord item) {
    if (!device_) return 0;
    MciStatusParms status;
    status.dwItem = item;
    if (Media().mciSendCommandA(device_.get(), MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT,
                                ToParams(&status)) != 0)
        return 0;
    return static_cast<DWord>(status.dwReturn);
}

DWord TMediaPlayer::Length() {
    return Status(MCI_STATUS_LENGTH);
}

DWord TMediaPlayer::Position() {
    return Status(MCI_STATUS_POSITION);
}

void TMediaPlayer::SetEnabledButtons(TButtonSet buttons) {
    if (enabled_ == buttons) return;
    enabled_ = buttons;
    NotifyView(Property::Buttons);
}

void TMediaPlayer::ClickButton(TMPBtnType button) {
    if (!ButtonEnabled(button) || !EffectivelyEnabled()) return;
    if (!OnPlayerClick) return;
    bool doDefault = true;
    OnPlayerClick(this, button, doDefault);
}

void TWebBrowser::Navigate(const std::wstring& url) {
    // The pane shows web pages only; anything else leaves it blank.
    location_ = IsWebAddress(url) ? url : std::wstring();
    NotifyView(Property::Url);
}

}  // namespace vcl
