#include "sim/SimShell.h"

#include "platform/WinConst.h"
#include "sim/SimWorld.h"

namespace sim {

using namespace platform;

namespace {

const SimMenuItem* FindIn(const std::vector<SimMenuItem>& items, const std::string& text) {
    for (const SimMenuItem& item : items) {
        if (item.text == text) return &item;
        if (const SimMenuItem* inner = FindIn(item.submenu, text)) return inner;
    }
    return nullptr;
}

}  // namespace

const SimMenuItem* SimPopupMenu::Find(const std::string& text) const {
    return FindIn(items, text);
}

bool SimPopupMenu::Choose(const std::string& text) {
    const SimMenuItem* item = Find(text);
    if (!open || !item || item->id == 0 || (item->flags & (MF_GRAYED | MF_SEPARATOR))) return false;
    open = false;
    chosen = static_cast<int>(item->id);
    return true;
}

const SimNotifyIcon* SimShell::Icon(Hwnd hwnd, UInt id) const {
    for (const SimNotifyIcon& icon : icons)
        if (icon.hwnd == hwnd && icon.id == id) return &icon;
    return nullptr;
}

SimNotifyIcon* SimShell::FindIcon(Hwnd hwnd, UInt id) {
    for (SimNotifyIcon& icon : icons)
        if (icon.hwnd == hwnd && icon.id == id) return &icon;
    return nullptr;
}

void SimShell::Restart(SimWorld& world) {
    icons.clear();
    refuseIcons = false;
    // Explorer posts the message to every top-level window once its taskbar
    // stands.
    world.Post(HWND_BROADCAST, world.Register("TaskbarCreated"), 0, 0);
}

Handle SimShell::LoadIcon(const std::string& name) {
    const Handle icon = nextIcon_++;
    loaded_[icon] = name;
    return icon;
}

std::string SimShell::IconName(Handle icon) const {
    auto it = loaded_.find(icon);
    return it == loaded_.end() ? std::string() : it->second;
}

bool SimShell::DestroyIcon(Handle icon) {
    return loaded_.erase(icon) != 0;
}

Handle SimShell::NewDrop(std::vector<std::string> names) {
    const Handle drop = nextDrop_++;
    drops_[drop] = std::move(names);
    return drop;
}

const std::vector<std::string>* SimShell::Drop(Handle drop) const {
    auto it = drops_.find(drop);
    return it == drops_.end() ? nullptr : &it->second;
}

Handle SimShell::NewMenu() {
    const Handle menu = nextMenu_++;
    menus_[menu];
    return menu;
}

std::vector<SimMenuItem>* SimShell::Menu(Handle menu) {
    auto it = menus_.find(menu);
    return it == menus_.end() ? nullptr : &it->second;
}

bool SimShell::DestroyMenu(Handle menu) {
    auto it = menus_.find(menu);
    if (it == menus_.end()) return false;
    const std::vector<SimMenuItem> items = std::move(it->second);
    menus_.erase(it);
    for (const SimMenuItem& item : items)
        if (item.popup) DestroyMenu(item.popup);
    return true;
}

std::vector<SimMenuItem> SimShell::Snapshot(Handle menu) const {
    auto it = menus_.find(menu);
    if (it == menus_.end()) return {};
    std::vector<SimMenuItem> items = it->second;
    for (SimMenuItem& item : items)
        if (item.popup) item.submenu = Snapshot(item.popup);
    return items;
}

}  // namespace sim
