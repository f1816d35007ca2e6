#include "PanelWindows.h"

#include <algorithm>

#include "LinkProtocol.h"

namespace {

BOOL CALLBACK collect(HWND hwnd, LPARAM list) {
    PanelChild child = {hwnd, GetDlgCtrlID(hwnd), {}};
    GetWindowRect(hwnd, &child.rect);
    reinterpret_cast<std::vector<PanelChild>*>(list)->push_back(child);
    return TRUE;
}

}  // namespace

std::vector<PanelChild> controlsOf(HWND form) {
    std::vector<PanelChild> children;
    EnumChildWindows(form, collect, reinterpret_cast<LPARAM>(&children));
    children.erase(
        std::remove_if(children.begin(), children.end(),
                       [form](const PanelChild& c) { return GetParent(c.hwnd) != form; }),
        children.end());
    std::stable_sort(children.begin(), children.end(),
                     [](const PanelChild& a, const PanelChild& b) { return a.id < b.id; });
    return children;
}

std::string className(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

bool isClass(HWND hwnd, const char* name) {
    return lstrcmpiA(className(hwnd).c_str(), name) == 0;
}

HWND firstControlOfClass(HWND form, const char* name) {
    return nthControl(form, 1, [name](HWND h) { return isClass(h, name); });
}

namespace {

struct ClassSearch {
    DWORD process = 0;
    const char* name = nullptr;
    HWND found = nullptr;
};

BOOL CALLBACK findOfClass(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<ClassSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process == search->process && className(hwnd) == search->name) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND panelWindowOfClass(HWND panel, const char* name) {
    ClassSearch search;
    search.name = name;
    if (panel == nullptr || GetWindowThreadProcessId(panel, &search.process) == 0) return nullptr;
    EnumWindows(findOfClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string windowText(HWND hwnd) {
    char text[256] = {};
    bool delivered = false;
    sendTo(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), &delivered);
    text[sizeof text - 1] = 0;
    return text;
}

DWORD_PTR sendTo(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool* delivered) {
    DWORD_PTR answer = 0;
    *delivered = SendMessageTimeoutA(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG,
                                     link::kSendTimeoutMs, &answer) != 0;
    return answer;
}

bool notifyForm(HWND form, HWND control, WORD code) {
    bool delivered = false;
    sendTo(form, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
           reinterpret_cast<LPARAM>(control), &delivered);
    return delivered;
}

namespace {

std::string describe(HWND hwnd) {
    return hwnd ? className(hwnd) + " \"" + windowText(hwnd) + "\"" : std::string("none");
}

}  // namespace

bool panelInFront(HWND panel, std::string* detail) {
    const HWND foreground = GetForegroundWindow();
    *detail = "foreground " + describe(foreground);
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (panel && GetGUIThreadInfo(GetWindowThreadProcessId(panel, nullptr), &info))
        *detail += ", active " + describe(info.hwndActive) + ", focus " + describe(info.hwndFocus);
    return panel != nullptr && foreground == panel;
}
