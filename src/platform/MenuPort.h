// Popup menus: built item by item, tracked at a point, destroyed.
#pragma once

#include <string>

#include "platform/WinTypes.h"

namespace platform {

using HMenu = Handle;

class MenuPort {
public:
    virtual ~MenuPort() = default;
    virtual HMenu CreatePopupMenu() = 0;
    // idOrSubmenu is the command id, or the submenu with MF_POPUP. Items
    // with MF_OWNERDRAW keep text as the adapter's drawing data.
    virtual bool AppendMenuA(HMenu menu, UInt flags, std::uintptr_t idOrSubmenu,
                             const std::string& text) = 0;
    virtual bool SetMenuDefaultItem(HMenu menu, UInt item, UInt byPosition) = 0;
    // With TPM_RETURNCMD: the chosen command id, 0 when the menu was
    // dismissed.
    virtual int TrackPopupMenu(HMenu menu, UInt flags, int x, int y, Hwnd owner) = 0;
    // Destroys the submenus too.
    virtual bool DestroyMenu(HMenu menu) = 0;
};

}  // namespace platform
