#include "widgets/StdCtrls.h"

#include <algorithm>

#include "platform/WinConst.h"
#include "widgets/Application.h"
#include "widgets/Form.h"
#include "widgets/WebAddress.h"

namespace vcl {

void TURLLabel::SetURL(const std::string& url) {
    if (url_ == url) return;
    url_ = url;
    NotifyView(Property::Url);
}

void TURLLabel::SetLinkColor(TColor color) {
    linkColor_ = color;
    TFont font = Font();
    font.Color = color;
    SetFont(font);
    NotifyView(Property::Link);
}

void TURLLabel::Click() {
    if (!EffectivelyEnabled()) return;
    if (OnClick) OnClick(this);
    TCustomForm* form = Form();
    // Only a web address reaches the shell (a blank one is none): a link
    // must not run programs.
    if (!form || !IsWebAddress(url_)) return;
    // The link opens its address itself, without an owner window.
    form->Application().Platform().shell.ShellExecuteA(0, "open", url_, "", "", platform::SW_SHOW);
}

void TButton::Click() {
    if (EffectivelyEnabled() && OnClick) OnClick(this);
}

void TCheckBox::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    NotifyView(Property::Checked);
    if (OnClick) OnClick(this);
}

void TCheckBox::Click() {
    if (EffectivelyEnabled()) SetChecked(!checked_);
}

void TRadioButton::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    NotifyView(Property::Checked);
    if (!checked) return;
    if (TWinControl* parent = Parent()) {
        for (TControl* sibling : parent->Controls()) {
            auto* radio = dynamic_cast<TRadioButton*>(sibling);
            if (radio && radio != this) radio->SetChecked(false);
        }
    }
    if (OnClick) OnClick(this);
}

void TRadioButton::Click() {
    if (EffectivelyEnabled()) SetChecked(true);
}

void TEdit::SetText(const std::string& text) {
    if (text_ == text) return;
    text_ = text;
    const int size = static_cast<int>(text_.size());
    selStart_ = std::min(selStart_, size);
    selLength_ = std::min(selLength_, size - selStart_);
    NotifyView(Property::Text);
    NotifyView(Property::Selection);
    if (OnChange) OnChange(this);
}

void TEdit::TakeUserText(const std::string& text) {
    const auto limit = static_cast<std::size_t>(maxLength_);
    SetText(maxLength_ > 0 && text.size() > limit ? text.substr(0, limit) : text);
}

void TEdit::SetMaxLength(int length) {
    length = std::max(length, 0);
    if (maxLength_ == length) return;
    maxLength_ = length;
    NotifyView(Property::MaxLength);
}

void TEdit::SetSelection(int start, int length) {
    const int size = static_cast<int>(text_.size());
    selStart_ = std::clamp(start, 0, size);
    selLength_ = std::clamp(length, 0, size - selStart_);
    NotifyView(Property::Selection);
}

}  // namespace vcl
