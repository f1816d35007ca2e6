// Labels, buttons, check boxes, radio buttons, edits, group boxes and images.
#pragma once

#include <string>

#include "widgets/Control.h"

namespace vcl {

class TLabel : public TControl {
public:
    using TControl::TControl;
    const char* ClassName() const override { return "TLabel"; }
    bool Centered = false;
};

// A label that opens its address when clicked; the click itself is the
// owner's handler, since opening needs the shell.
class TURLLabel : public TLabel {
public:
    using TLabel::TLabel;
    const char* ClassName() const override { return "TURLLabel"; }

    const std::string& URL() const { return url_; }
    void SetURL(const std::string& url);
    TColor LinkColor() const { return linkColor_; }
    // Sets the link colour and with it the text colour.
    void SetLinkColor(TColor color);
    TColor HoverColor = clPurple;

    // A user's click on an enabled label: raises OnClick, then asks the
    // shell to open the URL when it is a web address.
    void Click();

private:
    std::string url_;
    TColor linkColor_ = clBlue;
};

class TImage : public TControl {
public:
    using TControl::TControl;
    const char* ClassName() const override { return "TImage"; }
    std::string Picture;  // resource name of the picture
    bool Transparent = false;
};

class TButton : public TWinControl {
public:
    explicit TButton(std::string name) : TWinControl(std::move(name)) { SetTabStop(true); }
    const char* ClassName() const override { return "TButton"; }
    // A user's click, or the program pressing the button.
    void Click();
};

// Raises OnClick whenever Checked changes, also when the program sets it.
class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(std::string name) : TWinControl(std::move(name)) { SetTabStop(true); }
    const char* ClassName() const override { return "TCheckBox"; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    // A user's click toggles the box.
    void Click();

private:
    bool checked_ = false;
};

// Radio buttons with the same parent form one group. A button that becomes
// checked unchecks the others and raises its OnClick.
class TRadioButton : public TWinControl {
public:
    explicit TRadioButton(std::string name) : TWinControl(std::move(name)) { SetTabStop(true); }
    const char* ClassName() const override { return "TRadioButton"; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    void Click();

private:
    bool checked_ = false;
};

// Raises OnChange whenever its text changes, also when the program sets it.
class TEdit : public TWinControl {
public:
    explicit TEdit(std::string name) : TWinControl(std::move(name)) { SetTabStop(true); }
    const char* ClassName() const override { return "TEdit"; }

    const std::string& Text() const { return text_; }
    // The program's text, taken whole.
    void SetText(const std::string& text);
    // Text the user typed or pasted, or another program set in the edit's
    // window: cut to MaxLength, as the edit's own limit cuts typing.
    void TakeUserText(const std::string& text);

    // The most characters the user may enter; 0 for no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);

    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    void SetSelection(int start, int length);
    void SelectAll() { SetSelection(0, static_cast<int>(text_.size())); }

    TNotifyEvent OnChange;

private:
    std::string text_;
    int selStart_ = 0;
    int selLength_ = 0;
    int maxLength_ = 0;
};

class TGroupBox : public TWinControl {
public:
    using TWinControl::TWinControl;
    const char* ClassName() const override { return "TGroupBox"; }
};

}  // namespace vcl
