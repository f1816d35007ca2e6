#include "widgets/Menus.h"

namespace vcl {

void TMenuItem::Add(TMenuItem& item) {
    item.parent_ = this;
    items_.push_back(&item);
}

void TMenuItem::Click() {
    if (Enabled && OnClick) OnClick(this);
}

}  // namespace vcl
