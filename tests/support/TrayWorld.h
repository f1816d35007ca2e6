// A running panel seen through its tray icon: the shell's mouse messages on
// the icon, the icon the notification area holds, and the menus it opened.
#pragma once

#include <string>

#include "platform/WinConst.h"
#include "support/PanelWorld.h"

namespace testing_support {

struct TrayWorld : PanelWorld {
    ui::TTrayIcon& Tray() { return Form().TrayIconSts; }
    const sim::SimNotifyIcon* Icon() {
        return world.shell.Icon(Tray().WindowHandle(), Tray().IconId());
    }
    std::string IconImage() {
        const sim::SimNotifyIcon* icon = Icon();
        return icon ? world.shell.IconName(icon->icon) : "(no icon)";
    }
    // The shell's callback for one mouse message on the icon, at the cursor.
    void Mouse(platform::UInt mouseMessage) {
        world.Post(Tray().WindowHandle(), ui::TTrayIcon::kCallbackMessage, Tray().IconId(),
                   static_cast<platform::LParam>(mouseMessage));
        Advance(0);
    }
    void Click(platform::UInt down = platform::WM_LBUTTONDOWN,
               platform::UInt up = platform::WM_LBUTTONUP) {
        Mouse(down);
        Mouse(up);
    }
    // What the shell sends for a double-click the system counts as one.
    void DoubleClick() {
        Click();
        Mouse(platform::WM_LBUTTONDBLCLK);
        Mouse(platform::WM_LBUTTONUP);
    }
    std::size_t MenusShown() { return world.shell.popupMenus.size(); }
    const sim::SimPopupMenu& LastMenu() { return world.shell.popupMenus.back(); }
    bool Shown() { return panelProcess.windows.IsWindowVisible(Panel()); }
    // The menu the next popup shows is answered by choosing the item.
    void ChooseInNextMenu(const std::string& text) {
        world.shell.onPopupMenu = [text](sim::SimPopupMenu& menu) { menu.Choose(text); };
    }
};

}  // namespace testing_support
