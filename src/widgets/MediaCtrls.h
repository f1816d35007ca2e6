// The media player's button bar and the embedded web browser pane.
#pragma once

#include <string>

#include "widgets/Control.h"

namespace vcl {

enum TMPBtnType { btPlay = 0, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject };
using TButtonSet = unsigned;  // bit (1 << TMPBtnType)
constexpr TButtonSet ButtonBit(TMPBtnType b) { return 1u << b; }

class TMediaPlayer : public TWinControl {
public:
    using TWinControl::TWinControl;
    const char* ClassName() const override { return "TMediaPlayer"; }

    TButtonSet VisibleButtons = ButtonBit(btPlay) | ButtonBit(btStop);
    bool ColoredButtons = true;
    bool AutoEnable = false;

    TButtonSet EnabledButtons() const { return enabled_; }
    void SetEnabledButtons(TButtonSet buttons);
    bool ButtonEnabled(TMPBtnType b) const { return (enabled_ & ButtonBit(b)) != 0; }

    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& name) { fileName_ = name; }

    // A user's click on a button: (button, doDefault).
    std::function<void(TObject*, TMPBtnType, bool&)> OnPlayerClick;
    void ClickButton(TMPBtnType button);

private:
    TButtonSet enabled_ = 0;
    std::string fileName_;
};

class TWebBrowser : public TWinControl {
public:
    using TWinControl::TWinControl;
    const char* ClassName() const override { return "TWebBrowser"; }
    void Navigate(const std::wstring& url);
    const std::wstring& LocationURL() const { return location_; }

private:
    std::wstring location_;
};

}  // namespace vcl
