#include "widgets/MediaCtrls.h"

namespace vcl {

void TMediaPlayer::SetEnabledButtons(TButtonSet buttons) {
    if (enabled_ == buttons) return;
    enabled_ = buttons;
    NotifyView(Property::Buttons);
}

void TMediaPlayer::ClickButton(TMPBtnType button) {
    if (!ButtonEnabled(button) || !EffectivelyEnabled()) return;
    bool doDefault = true;
    if (OnPlayerClick) OnPlayerClick(this, button, doDefault);
}

void TWebBrowser::Navigate(const std::wstring& url) {
    location_ = url;
    NotifyView(Property::Url);
}

}  // namespace vcl
