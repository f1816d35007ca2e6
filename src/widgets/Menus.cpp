#include "widgets/Menus.h"

#include "platform/HandleOwners.h"
#include "platform/WinConst.h"

namespace vcl {

using namespace platform;

void TMenuItem::Add(TMenuItem& item) {
    item.parent_ = this;
    items_.push_back(&item);
}

void TMenuItem::Click() {
    if (Enabled && OnClick) OnClick(this);
}

namespace {

// Builds the Windows menu of an item's children; a command's id is its place
// in commands plus one.
MenuHandle BuildMenu(MenuPort& menus, const TMenuItem& parent, bool ownerDraw,
                     std::vector<TMenuItem*>& commands) {
    MenuHandle menu(menus, menus.CreatePopupMenu());
    if (!menu) return menu;
    UInt position = 0;
    for (TMenuItem* item : parent.Items()) {
        if (item->IsSeparator()) {
            if (menus.AppendMenuA(menu.get(), MF_SEPARATOR, 0, "")) ++position;
            continue;
        }
        UInt flags = ownerDraw ? MF_OWNERDRAW : MF_STRING;
        if (item->Checked) flags |= MF_CHECKED;
        if (item->RadioItem) flags |= MFT_RADIOCHECK;
        if (!item->Enabled) flags |= MF_GRAYED;
        bool appended;
        if (item->Count() > 0) {
            // An appended submenu goes with its menu; one that could not be
            // appended goes now.
            MenuHandle submenu = BuildMenu(menus, *item, ownerDraw, commands);
            appended = submenu && menus.AppendMenuA(menu.get(), flags | MF_POPUP, submenu.get(),
                                                    item->Caption);
            if (appended) submenu.release();
        } else {
            commands.push_back(item);
            appended = menus.AppendMenuA(menu.get(), flags, commands.size(), item->Caption);
        }
        if (!appended) continue;
        if (item->Default) menus.SetMenuDefaultItem(menu.get(), position, 1);
        ++position;
    }
    return menu;
}

}  // namespace

void TPopupMenu::Popup(Platform& ports, Hwnd owner, int x, int y) {
    if (OnPopup) OnPopup(this);
    std::vector<TMenuItem*> commands;
    MenuHandle menu = BuildMenu(ports.menus, items_, OwnerDraw, commands);
    if (!menu) return;
    const int chosen = ports.menus.TrackPopupMenu(
        menu.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, owner);
    menu.reset();
    // A menu of a program in the background closes properly only when its
    // owner gets a message after it (Windows' tray-menu rule).
    ports.messages.PostMessageA(owner, WM_NULL, 0, 0);
    if (chosen > 0 && static_cast<std::size_t>(chosen) <= commands.size())
        commands[static_cast<std::size_t>(chosen) - 1]->Click();
}

}  // namespace vcl
