// Controls that hold a list of texts: combo boxes and list boxes.
#pragma once

#include <string>
#include <vector>

#include "widgets/Control.h"

namespace vcl {

// Items and a selected index; -1 is no selection.
class TListItems {
public:
    const std::vector<std::string>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    int ItemIndex() const { return itemIndex_; }

protected:
    // Each returns whether anything changed.
    bool StoreItemIndex(int index);
    void StoreItems(std::vector<std::string> items);
    void AppendItem(const std::string& item) { items_.push_back(item); }

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

// A drop-down list. OnChange follows a user's choice only; selecting an item
// from the program raises nothing.
class TComboBox : public TWinControl, public TListItems {
public:
    explicit TComboBox(std::string name) : TWinControl(std::move(name)) { SetTabStop(true); }
    const char* ClassName() const override { return "TComboBox"; }

    void Clear();
    void AddItem(const std::string& item);
    void SetItemIndex(int index);
    void UserSelect(int index);

    TNotifyEvent OnChange;
};

// A list box. OnChange follows a user's change of the selection.
class TListBox : public TWinControl, public TListItems {
public:
    explicit TListBox(std::string name) : TWinControl(std::move(name)) { SetTabStop(true); }
    const char* ClassName() const override { return "TListBox"; }

    void Clear();
    void AddItem(const std::string& item);
    void SetItems(std::vector<std::string> items);
    void SetItemIndex(int index);
    void UserSelect(int index);
    // A user's double click on the selected item.
    void DblClick();

    TNotifyEvent OnChange;
    TNotifyEvent OnDblClick;

protected:
    void RaiseChange() {
        if (OnChange) OnChange(this);
    }
};

}  // namespace vcl
