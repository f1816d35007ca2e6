// WindowPort of a simulated process.
#include "platform/WinConst.h"
#include "sim/SimProcess.h"

namespace sim {

using namespace platform;

Hwnd SimWindowPort::CreateWindowExA(const WindowCreateParams& params, WindowProcTarget* target) {
    const Hwnd hwnd = World().CreateWindow(Caller(), params, target);
    SimCall call = Call(Api::CreateWindowExA, hwnd);
    call.text = params.className + "|" + params.title;
    Log(std::move(call));
    return hwnd;
}

bool SimWindowPort::DestroyWindow(Hwnd hwnd) {
    Log(Call(Api::DestroyWindow, hwnd));
    return World().DestroyWindow(hwnd);
}

bool SimWindowPort::IsWindow(Hwnd hwnd) {
    return World().Window(hwnd) != nullptr;
}

Hwnd SimWindowPort::FindWindowA(const std::string& className, const std::string& title) {
    SimCall call = Call(Api::FindWindowA);
    call.text = className + "|" + title;
    Log(std::move(call));
    return World().windows.FindTopLevel(className, title);
}

bool SimWindowPort::SetWindowTextA(Hwnd hwnd, const std::string& text) {
    SimWindow* window = World().Window(hwnd);
    if (!window) return false;
    window->title = text;
    window->wideTitle.clear();
    return true;
}

bool SimWindowPort::SetPropA(Hwnd hwnd, const std::string& name, Handle value) {
    SimCall call = Call(Api::SetPropA, hwnd);
    call.text = name;
    call.lParam = static_cast<LParam>(value);
    Log(std::move(call));
    SimWindow* window = World().Window(hwnd);
    if (!window) return false;
    window->props[name] = value;
    return true;
}

Handle SimWindowPort::GetPropA(Hwnd hwnd, const std::string& name) {
    SimWindow* window = World().Window(hwnd);
    if (!window) return 0;
    auto it = window->props.find(name);
    return it == window->props.end() ? 0 : it->second;
}

Handle SimWindowPort::RemovePropA(Hwnd hwnd, const std::string& name) {
    SimCall call = Call(Api::RemovePropA, hwnd);
    call.text = name;
    Log(std::move(call));
    SimWindow* window = World().Window(hwnd);
    if (!window) return 0;
    auto it = window->props.find(name);
    if (it == window->props.end()) return 0;
    const Handle value = it->second;
    window->props.erase(it);
    return value;
}

bool SimWindowPort::ShowWindow(Hwnd hwnd, int cmdShow) {
    SimCall call = Call(Api::ShowWindow, hwnd);
    call.wParam = static_cast<WParam>(cmdShow);
    Log(std::move(call));
    SimWindow* window = World().Window(hwnd);
    if (!window) return false;
    const bool wasVisible = window->visible;
    switch (cmdShow) {
        case SW_HIDE:
            window->visible = false;
            break;
        case SW_MINIMIZE:
            window->visible = true;
            window->iconic = true;
            break;
        case SW_SHOWNORMAL:
        case SW_RESTORE:
            window->visible = true;
            window->iconic = false;
            break;
        default:
            window->visible = true;
            break;
    }
    return wasVisible;
}

bool SimWindowPort::IsWindowVisible(Hwnd hwnd) {
    const SimWindow* window = World().Window(hwnd);
    return window && window->visible;
}

bool SimWindowPort::IsIconic(Hwnd hwnd) {
    const SimWindow* window = World().Window(hwnd);
    return window && window->iconic;
}

bool SimWindowPort::SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy,
                                 UInt flags) {
    SimCall call = Call(Api::SetWindowPos, hwnd);
    call.wParam = insertAfter;
    call.flags = flags;
    Log(std::move(call));
    SimWindow* window = World().Window(hwnd);
    if (!window) return false;
    if (insertAfter == HWND_TOPMOST) window->topmost = true;
    if (insertAfter == HWND_NOTOPMOST) window->topmost = false;
    if (!(flags & SWP_NOMOVE)) {
        window->bounds.right += x - window->bounds.left;
        window->bounds.bottom += y - window->bounds.top;
        window->bounds.left = x;
        window->bounds.top = y;
    }
    if (!(flags & SWP_NOSIZE)) {
        window->bounds.right = window->bounds.left + cx;
        window->bounds.bottom = window->bounds.top + cy;
    }
    return true;
}

Hwnd SimWindowPort::GetForegroundWindow() {
    return World().desktop.foreground;
}

bool SimWindowPort::SetForegroundWindow(Hwnd hwnd) {
    Log(Call(Api::SetForegroundWindow, hwnd));
    return World().SetForeground(Caller(), hwnd);
}

DWord SimWindowPort::GetWindowThreadProcessId(Hwnd hwnd, DWord* processId) {
    const SimWindow* window = World().Window(hwnd);
    if (processId) *processId = window ? window->process : 0;
    return window ? window->thread : 0;
}

DWord SimWindowPort::GetCurrentThreadId() {
    return Caller();
}

bool SimWindowPort::AttachThreadInput(DWord attach, DWord attachTo, bool doAttach) {
    SimCall call = Call(Api::AttachThreadInput);
    call.wParam = attach;
    call.lParam = static_cast<LParam>(attachTo);
    call.flags = doAttach ? 1 : 0;
    Log(std::move(call));
    const SimThread* from = World().FindThread(attach);
    const SimThread* to = World().FindThread(attachTo);
    if (!from || !to || from->exited || to->exited) return false;
    return World().desktop.AttachInput(attach, attachTo, doAttach);
}

bool SimWindowPort::GetCursorPos(Point& point) {
    point = World().desktop.cursor;
    return true;
}

bool SimWindowPort::GetWorkArea(Rect& area) {
    area = World().desktop.workArea;
    return true;
}

bool SimWindowPort::AdjustWindowRectEx(Rect& rect, DWord style, bool, DWord) {
    // A fixed single border and a caption, as the classic theme draws them.
    if (style & WS_CAPTION) {
        rect.left -= 3;
        rect.right += 3;
        rect.top -= 22;
        rect.bottom += 3;
    }
    return true;
}

int SimWindowPort::MessageBoxA(Hwnd owner, const std::string& text, const std::string& caption,
                               UInt type) {
    SimCall call = Call(Api::MessageBoxA, owner);
    call.text = text;
    Log(std::move(call));
    SimMessageBox box;
    box.thread = Caller();
    box.owner = owner;
    box.text = text;
    box.caption = caption;
    box.type = type;
    box.shownAt = World().Now();
    auto& boxes = World().desktop.messageBoxes;
    boxes.push_back(std::move(box));
    const std::size_t index = boxes.size() - 1;
    World().RunModalLoop(Caller(), boxes.back());
    return boxes[index].result;
}

bool SimWindowPort::SetWindowTextW(Hwnd hwnd, const std::u16string& text) {
    SimCall call = Call(Api::SetWindowTextW, hwnd);
    call.lParam = static_cast<LParam>(text.size());
    Log(std::move(call));
    SimWindow* window = World().Window(hwnd);
    if (!window) return false;
    window->wideTitle = text;
    window->title.clear();
    return true;
}

int SimWindowPort::GetScreenDeviceCaps(int index) {
    SimCall call = Call(Api::GetDeviceCaps);
    call.wParam = static_cast<WParam>(index);
    Log(std::move(call));
    return index == LOGPIXELSY ? World().desktop.pixelsPerInch : 0;
}

}  // namespace sim
