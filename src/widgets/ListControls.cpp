#include "widgets/ListControls.h"

namespace vcl {

bool TListItems::StoreItemIndex(int index) {
    if (index < -1 || index >= Count()) index = -1;
    if (index == itemIndex_) return false;
    itemIndex_ = index;
    return true;
}

void TListItems::StoreItems(std::vector<std::string> items) {
    items_ = std::move(items);
    itemIndex_ = -1;
}

void TComboBox::Clear() {
    StoreItems({});
    NotifyView(Property::Items);
    NotifyView(Property::ItemIndex);
}

void TComboBox::AddItem(const std::string& item) {
    AppendItem(item);
    NotifyView(Property::Items);
}

void TComboBox::SetItemIndex(int index) {
    if (StoreItemIndex(index)) NotifyView(Property::ItemIndex);
}

void TComboBox::UserSelect(int index) {
    if (!EffectivelyEnabled() || index < 0 || index >= Count()) return;
    SetItemIndex(index);
    if (OnChange) OnChange(this);
}

void TListBox::Clear() {
    SetItems({});
}

void TListBox::AddItem(const std::string& item) {
    AppendItem(item);
    NotifyView(Property::Items);
}

void TListBox::SetItems(std::vector<std::string> items) {
    StoreItems(std::move(items));
    NotifyView(Property::Items);
    NotifyView(Property::ItemIndex);
}

void TListBox::SetItemIndex(int index) {
    if (StoreItemIndex(index)) NotifyView(Property::ItemIndex);
}

void TListBox::UserSelect(int index) {
    if (!EffectivelyEnabled() || index < 0 || index >= Count()) return;
    if (StoreItemIndex(index)) {
        NotifyView(Property::ItemIndex);
        RaiseChange();
    }
}

void TListBox::DblClick() {
    if (EffectivelyEnabled() && OnDblClick) OnDblClick(this);
}

}  // namespace vcl
