// The shell of the simulated desktop: the notification area with the icons
// programs put there, the icons they load from their resources, and the
// popup menus they build and track. Tests read the icons, restart the
// shell, and see a tracked menu open and choose from it.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace sim {

class SimWorld;

struct SimNotifyIcon {
    platform::Hwnd hwnd = 0;
    platform::UInt id = 0;
    platform::UInt callbackMessage = 0;
    platform::Handle icon = 0;
    std::string tip;
};

struct SimMenuItem {
    platform::UInt flags = 0;
    platform::UInt id = 0;  // 0 for a submenu or a separator
    std::string text;
    bool isDefault = false;
    platform::Handle popup = 0;  // the submenu's handle while it is built
    std::vector<SimMenuItem> submenu;
};

// One menu a program tracked: what it showed, where, and how it ended.
struct SimPopupMenu {
    platform::DWord thread = 0;
    platform::Hwnd owner = 0;
    platform::Point at;
    platform::UInt flags = 0;
    std::vector<SimMenuItem> items;
    std::uint64_t shownAt = 0;
    bool open = true;
    int chosen = 0;
    // As a user's click on the item with that text, also in a submenu;
    // false when there is no such enabled command.
    bool Choose(const std::string& text);
    // As a click elsewhere.
    void Dismiss() {
        open = false;
        chosen = 0;
    }
    const SimMenuItem* Find(const std::string& text) const;
};

// One ShellExecuteA a program made.
struct SimShellExecute {
    platform::Hwnd owner = 0;
    std::string verb, file, parameters, directory;
    int showCommand = 0;
};

class SimShell {
public:
    // The notification area.
    std::vector<SimNotifyIcon> icons;
    // The shell is not ready (at logon, before Explorer runs): every
    // NIM_ADD and NIM_MODIFY fails while this is set.
    bool refuseIcons = false;
    const SimNotifyIcon* Icon(platform::Hwnd hwnd, platform::UInt id) const;
    SimNotifyIcon* FindIcon(platform::Hwnd hwnd, platform::UInt id);
    // Explorer restarted: the area is empty again and every top-level window
    // is told "TaskbarCreated".
    void Restart(SimWorld& world);

    // Icons loaded from the programs' resources, by handle (every name
    // loads).
    platform::Handle LoadIcon(const std::string& name);
    std::string IconName(platform::Handle icon) const;
    bool DestroyIcon(platform::Handle icon);
    std::size_t LiveIcons() const { return loaded_.size(); }

    // Menus being built.
    platform::Handle NewMenu();
    std::vector<SimMenuItem>* Menu(platform::Handle menu);
    bool DestroyMenu(platform::Handle menu);
    std::size_t LiveMenus() const { return menus_.size(); }
    // The item list of a menu with its submenus resolved.
    std::vector<SimMenuItem> Snapshot(platform::Handle menu) const;

    // Tracked menus, in the order shown. A menu stays open until chosen or
    // dismissed by onPopupMenu, a scheduled action, or by itself after
    // popupMenuLifetimeMs of virtual time (0: as soon as the thread's queue
    // has been emptied once).
    std::vector<SimPopupMenu> popupMenus;
    std::uint64_t popupMenuLifetimeMs = 0;
    std::function<void(SimPopupMenu&)> onPopupMenu;

    // Documents and addresses the programs asked the shell to open, in
    // order; each one fails with executeResult when that is 32 or less.
    std::vector<SimShellExecute> executed;
    std::intptr_t executeResult = 42;

    // Drops: the windows registered as drop targets, and the drop handles
    // the shell has handed out with their items' full names, until
    // DragFinish releases them.
    std::set<platform::Hwnd> dropTargets;
    bool AcceptsDrops(platform::Hwnd window) const { return dropTargets.count(window) != 0; }
    platform::Handle NewDrop(std::vector<std::string> names);
    const std::vector<std::string>* Drop(platform::Handle drop) const;
    bool FinishDrop(platform::Handle drop) { return drops_.erase(drop) != 0; }
    std::size_t LiveDrops() const { return drops_.size(); }

private:
    std::map<platform::Handle, std::string> loaded_;
    platform::Handle nextIcon_ = 0x30000;
    std::map<platform::Handle, std::vector<SimMenuItem>> menus_;
    platform::Handle nextMenu_ = 0x40000;
    std::map<platform::Handle, std::vector<std::string>> drops_;
    platform::Handle nextDrop_ = 0x50000;
};

}  // namespace sim
