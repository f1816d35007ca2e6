// Menu items and the popup menu.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "widgets/Control.h"

namespace vcl {

class TMenuItem : public TObject {
public:
    explicit TMenuItem(std::string name) : name_(std::move(name)) {}
    const std::string& Name() const { return name_; }

    std::string Caption;
    bool Checked = false;
    bool RadioItem = false;
    bool Default = false;
    bool Enabled = true;
    int Tag = 0;
    TNotifyEvent OnClick;

    bool IsSeparator() const { return Caption == "-"; }
    void Add(TMenuItem& item);
    const std::vector<TMenuItem*>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Parent() const { return parent_; }
    // A user choosing the item.
    void Click();

private:
    std::string name_;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
};

class TPopupMenu : public TObject {
public:
    explicit TPopupMenu(std::string name) : name_(std::move(name)), items_(name_ + ".Items") {}
    const std::string& Name() const { return name_; }
    TMenuItem& Items() { return items_; }
    bool AutoPopup = true;
    bool OwnerDraw = false;
    TNotifyEvent OnPopup;

    // Raises OnPopup, shows the menu at a screen point for the owner window
    // until the user chooses or closes it, then clicks the chosen item.
    void Popup(platform::Platform& ports, platform::Hwnd owner, int x, int y);

private:
    std::string name_;
    TMenuItem items_;
};

}  // namespace vcl
