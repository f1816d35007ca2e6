// ShellPort and MenuPort of a simulated process, on the world's shell.
#include <algorithm>
#include <cstring>

#include "platform/WinConst.h"
#include "sim/SimProcess.h"

namespace sim {

using namespace platform;

namespace {

constexpr UInt kWmCommand = 0x0111;

std::string TipOf(const NotifyIconDataA& data) {
    const char* end = static_cast<const char*>(std::memchr(data.szTip, '\0', sizeof data.szTip));
    return std::string(data.szTip, end ? end : data.szTip + sizeof data.szTip);
}

void Apply(const NotifyIconDataA& data, SimNotifyIcon& icon) {
    if (data.uFlags & NIF_MESSAGE) icon.callbackMessage = data.uCallbackMessage;
    if (data.uFlags & NIF_ICON) icon.icon = data.hIcon;
    if (data.uFlags & NIF_TIP) icon.tip = TipOf(data);
}

}  // namespace

bool SimShellPort::Shell_NotifyIconA(DWord message, NotifyIconDataA* data) {
    SimCall call = Call(Api::Shell_NotifyIconA, data ? data->hWnd : 0, message);
    if (data) {
        call.wParam = data->uID;
        call.lParam = static_cast<LParam>(data->hIcon);
        call.flags = data->uFlags;
        call.text = TipOf(*data);
    }
    Log(std::move(call));
    // The shell reads the record by its declared size; Windows 2000 and XP
    // take this layout.
    if (!data || data->cbSize != sizeof(NotifyIconDataA)) return false;
    SimShell& shell = World().shell;
    SimNotifyIcon* existing = shell.FindIcon(data->hWnd, data->uID);
    switch (message) {
        case NIM_ADD: {
            if (shell.refuseIcons || existing || !World().Window(data->hWnd)) return false;
            SimNotifyIcon icon;
            icon.hwnd = data->hWnd;
            icon.id = data->uID;
            Apply(*data, icon);
            shell.icons.push_back(icon);
            return true;
        }
        case NIM_MODIFY:
            if (shell.refuseIcons || !existing) return false;
            Apply(*data, *existing);
            return true;
        case NIM_DELETE:
            if (!existing) return false;
            shell.icons.erase(shell.icons.begin() + (existing - shell.icons.data()));
            return true;
        default:
            return false;
    }
}

Handle SimShellPort::LoadImageA(const std::string& name, UInt type, int cx, int cy, UInt) {
    // The size asked for goes in wParam: cx in the low word, cy in the high.
    SimCall call =
        Call(Api::LoadImageA, 0, type, static_cast<WParam>((cx & 0xFFFF) | ((cy & 0xFFFF) << 16)));
    call.text = name;
    const Handle icon = type == IMAGE_ICON ? World().shell.LoadIcon(name) : 0;
    call.lParam = static_cast<LParam>(icon);
    Log(std::move(call));
    return icon;
}

bool SimShellPort::DestroyIcon(Handle icon) {
    SimCall call = Call(Api::DestroyIcon);
    call.lParam = static_cast<LParam>(icon);
    Log(std::move(call));
    return World().shell.DestroyIcon(icon);
}

std::intptr_t SimShellPort::ShellExecuteA(Hwnd owner, const std::string& verb,
                                          const std::string& file, const std::string& parameters,
                                          const std::string& directory, int showCommand) {
    SimShell& shell = World().shell;
    SimCall call = Call(Api::ShellExecuteA, owner);
    call.text = file;
    call.flags = static_cast<UInt>(showCommand);
    call.lParam = static_cast<LParam>(shell.executeResult);
    Log(std::move(call));
    shell.executed.push_back({owner, verb, file, parameters, directory, showCommand});
    return shell.executeResult;
}

void SimShellPort::DragAcceptFiles(Hwnd window, bool accept) {
    Log(Call(Api::DragAcceptFiles, window, 0, accept ? 1 : 0));
    if (accept)
        World().shell.dropTargets.insert(window);
    else
        World().shell.dropTargets.erase(window);
}

UInt SimShellPort::DragQueryFileA(Handle drop, UInt index, char* buffer, UInt size) {
    SimCall call = Call(Api::DragQueryFileA, 0, 0, index, static_cast<LParam>(drop));
    call.flags = size;
    const std::vector<std::string>* names = World().shell.Drop(drop);
    UInt result = 0;
    if (names && index == kDragQueryCount) {
        result = static_cast<UInt>(names->size());
    } else if (names && index < names->size()) {
        const std::string& name = (*names)[index];
        call.text = name;
        if (!buffer) {
            result = static_cast<UInt>(name.size());
        } else if (size > 0) {
            result = static_cast<UInt>(std::min<std::size_t>(name.size(), size - 1));
            std::memcpy(buffer, name.data(), result);
            buffer[result] = '\0';
        }
    }
    Log(std::move(call));
    return result;
}

void SimShellPort::DragFinish(Handle drop) {
    Log(Call(Api::DragFinish, 0, 0, 0, static_cast<LParam>(drop)));
    World().shell.FinishDrop(drop);
}

HMenu SimMenuPort::CreatePopupMenu() {
    const HMenu menu = World().shell.NewMenu();
    process_.handles.Opened(HandleKind::Menu, menu);
    SimCall call = Call(Api::CreatePopupMenu);
    call.lParam = static_cast<LParam>(menu);
    Log(std::move(call));
    return menu;
}

bool SimMenuPort::AppendMenuA(HMenu menu, UInt flags, std::uintptr_t idOrSubmenu,
                              const std::string& text) {
    SimCall call = Call(Api::AppendMenuA, 0, 0, idOrSubmenu, static_cast<LParam>(menu));
    call.flags = flags;
    call.text = text;
    Log(std::move(call));
    SimShell& shell = World().shell;
    std::vector<SimMenuItem>* items = shell.Menu(menu);
    if (!items) return false;
    SimMenuItem item;
    item.flags = flags;
    if (flags & MF_POPUP) {
        if (!shell.Menu(idOrSubmenu)) return false;
        item.popup = idOrSubmenu;
    } else if (!(flags & MF_SEPARATOR)) {
        item.id = static_cast<UInt>(idOrSubmenu);
    }
    if (!(flags & MF_SEPARATOR)) item.text = text;
    items->push_back(std::move(item));
    return true;
}

bool SimMenuPort::SetMenuDefaultItem(HMenu menu, UInt item, UInt byPosition) {
    SimCall call = Call(Api::SetMenuDefaultItem, 0, 0, item, static_cast<LParam>(menu));
    Log(std::move(call));
    std::vector<SimMenuItem>* items = World().shell.Menu(menu);
    if (!items) return false;
    bool found = false;
    for (std::size_t i = 0; i < items->size(); ++i) {
        SimMenuItem& entry = (*items)[i];
        const bool match = byPosition ? i == item : (entry.id == item && entry.id != 0);
        entry.isDefault = match;
        found = found || match;
    }
    return found || item == static_cast<UInt>(-1);
}

int SimMenuPort::TrackPopupMenu(HMenu menu, UInt flags, int x, int y, Hwnd owner) {
    SimCall call = Call(Api::TrackPopupMenu, owner, 0, static_cast<WParam>(x), y);
    call.flags = flags;
    Log(std::move(call));
    SimShell& shell = World().shell;
    if (!shell.Menu(menu) || !World().Window(owner)) return 0;
    SimPopupMenu shown;
    shown.thread = Caller();
    shown.owner = owner;
    shown.at = Point{x, y};
    shown.flags = flags;
    shown.items = shell.Snapshot(menu);
    shown.shownAt = World().Now();
    shell.popupMenus.push_back(std::move(shown));
    const std::size_t index = shell.popupMenus.size() - 1;
    RunMenuLoop(index);
    const int chosen = shell.popupMenus[index].chosen;
    if (flags & TPM_RETURNCMD) return chosen;
    if (chosen) World().Post(owner, kWmCommand, static_cast<WParam>(chosen), 0);
    return chosen != 0;
}

void SimMenuPort::RunMenuLoop(std::size_t index) {
    SimWorld& world = World();
    const DWord tid = Caller();
    auto menu = [&world, index]() -> SimPopupMenu& { return world.shell.popupMenus[index]; };
    const std::uint64_t lifetime = world.shell.popupMenuLifetimeMs;
    if (lifetime)
        world.At(world.Now() + lifetime, [menu] {
            if (menu().open) menu().Dismiss();
        });
    if (world.shell.onPopupMenu) world.shell.onPopupMenu(menu());
    while (menu().open) {
        // Windows' menu loop: sent messages arrive nested, posted ones and
        // timers are dispatched without the program's own loop and hooks.
        Msg msg;
        while (menu().open && world.Peek(tid, msg, true)) {
            if (msg.message == WM_QUIT) {
                world.Thread(tid).quitPosted = true;
                menu().Dismiss();
                break;
            }
            world.Dispatch(tid, msg);
        }
        if (!menu().open) break;
        if (lifetime == 0 || !world.WaitForNextEvent(tid)) menu().Dismiss();
    }
}

bool SimMenuPort::DestroyMenu(HMenu menu) {
    SimCall call = Call(Api::DestroyMenu);
    call.lParam = static_cast<LParam>(menu);
    Log(std::move(call));
    // Windows destroys the submenus with their menu.
    std::vector<HMenu> going = {menu};
    for (std::size_t i = 0; i < going.size(); ++i)
        for (const SimMenuItem& item : World().shell.Snapshot(going[i]))
            if (item.popup) going.push_back(item.popup);
    if (!World().shell.DestroyMenu(menu)) return false;
    for (HMenu gone : going) process_.handles.Closed({HandleKind::Menu}, gone);
    return true;
}

}  // namespace sim
