#include "WebSteps.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "LinkProtocol.h"

namespace {

struct Child {
    HWND hwnd;
    int id;
};

BOOL CALLBACK collect(HWND hwnd, LPARAM list) {
    reinterpret_cast<std::vector<Child>*>(list)->push_back({hwnd, GetDlgCtrlID(hwnd)});
    return TRUE;
}

// The form's own controls in creation order.
std::vector<HWND> controlsOf(HWND form) {
    std::vector<Child> children;
    if (form) EnumChildWindows(form, collect, reinterpret_cast<LPARAM>(&children));
    children.erase(std::remove_if(children.begin(), children.end(),
                                  [form](const Child& c) { return GetParent(c.hwnd) != form; }),
                   children.end());
    std::stable_sort(children.begin(), children.end(),
                     [](const Child& a, const Child& b) { return a.id < b.id; });
    std::vector<HWND> windows;
    for (const Child& c : children) windows.push_back(c.hwnd);
    return windows;
}

bool isClass(HWND hwnd, const char* name) {
    char found[64] = {};
    GetClassNameA(hwnd, found, sizeof found);
    return lstrcmpiA(found, name) == 0;
}

bool isLink(HWND hwnd) {
    return isClass(hwnd, "Static") && (GetWindowLongA(hwnd, GWL_STYLE) & SS_NOTIFY) != 0;
}

bool isRadio(HWND hwnd) {
    const LONG type = GetWindowLongA(hwnd, GWL_STYLE) & BS_TYPEMASK;
    return isClass(hwnd, "Button") && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

template <class Pred>
HWND nth(HWND form, unsigned index, Pred pred) {
    unsigned seen = 0;
    for (HWND hwnd : controlsOf(form))
        if (pred(hwnd) && ++seen == index) return hwnd;
    return nullptr;
}

LRESULT sendTo(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool* delivered) {
    DWORD_PTR answer = 0;
    *delivered = SendMessageTimeoutA(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG,
                                     link::kSendTimeoutMs, &answer) != 0;
    return static_cast<LRESULT>(answer);
}

// The text as UTF-8 (links are Unicode windows).
std::string textOf(HWND hwnd) {
    wchar_t wide[2048] = {};
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(wide), SMTO_ABORTIFHUNG,
                        link::kSendTimeoutMs, &answer);
    wide[2047] = 0;
    char out[4096] = {};
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, out, sizeof out, nullptr, nullptr);
    return out;
}

bool tellForm(HWND form, HWND control, WORD code) {
    bool delivered = false;
    sendTo(form, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
           reinterpret_cast<LPARAM>(control), &delivered);
    return delivered;
}

}  // namespace

bool setEditText(HWND form, unsigned edit, const std::string& text) {
    const HWND box = nth(form, edit, [](HWND h) { return isClass(h, "Edit"); });
    if (box == nullptr || !IsWindowEnabled(box)) return false;
    bool delivered = false;
    sendTo(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &delivered);
    return delivered && tellForm(form, box, EN_CHANGE);
}

bool clickLink(HWND form, unsigned link) {
    const HWND label = nth(form, link, isLink);
    return label != nullptr && IsWindowEnabled(label) && tellForm(form, label, STN_CLICKED);
}

bool clickRadio(HWND form, unsigned radio) {
    const HWND button = nth(form, radio, isRadio);
    if (button == nullptr || !IsWindowEnabled(button)) return false;
    bool delivered = false;
    sendTo(button, BM_CLICK, 0, 0, &delivered);
    return delivered;
}

bool linkMeets(HWND form, unsigned link, const std::string& text, int enabled,
               std::string* detail) {
    const HWND label = nth(form, link, isLink);
    if (label == nullptr) {
        *detail = "no such link";
        return false;
    }
    const std::string seen = textOf(label);
    const bool isEnabled = IsWindowEnabled(label) != FALSE;
    *detail = "text=\"" + seen + (isEnabled ? "\" enabled=1" : "\" enabled=0");
    return seen == text && (enabled < 0 || (enabled != 0) == isEnabled);
}

bool tabMeets(HWND form, unsigned tab, const std::string& text, std::string* detail) {
    const HWND tabs = nth(form, 1, [](HWND h) { return isClass(h, WC_TABCONTROLA); });
    if (tabs == nullptr) {
        *detail = "no tab control";
        return false;
    }
    // TCM_GETITEM carries pointers: the record and its text buffer are put
    // in the panel's own memory.
    DWORD process = 0;
    GetWindowThreadProcessId(tabs, &process);
    HANDLE panel =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process);
    if (!panel) {
        *detail = "cannot open the panel's process";
        return false;
    }
    constexpr int kChars = 256;
    char* remote = static_cast<char*>(VirtualAllocEx(
        panel, nullptr, sizeof(TCITEMW) + kChars * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
    std::string seen;
    bool read = false;
    if (remote) {
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(TCITEMW));
        item.cchTextMax = kChars;
        wchar_t wide[kChars] = {};
        bool delivered = false;
        read = WriteProcessMemory(panel, remote, &item, sizeof item, nullptr) &&
               sendTo(tabs, TCM_GETITEMW, tab - 1, reinterpret_cast<LPARAM>(remote), &delivered) &&
               delivered &&
               ReadProcessMemory(panel, remote + sizeof(TCITEMW), wide, sizeof wide, nullptr);
        wide[kChars - 1] = 0;
        char out[1024] = {};
        WideCharToMultiByte(CP_UTF8, 0, wide, -1, out, sizeof out, nullptr, nullptr);
        seen = out;
        VirtualFreeEx(panel, remote, 0, MEM_RELEASE);
    }
    CloseHandle(panel);
    *detail = read ? "caption=\"" + seen + "\"" : "tab not read";
    return read && seen == text;
}

bool browserMeets(HWND form, const std::string& url, std::string* detail) {
    // The host lies inside the browser's frame, not on the form itself.
    std::vector<Child> all;
    if (form) EnumChildWindows(form, collect, reinterpret_cast<LPARAM>(&all));
    const auto found = std::find_if(all.begin(), all.end(),
                                    [](const Child& c) { return isClass(c.hwnd, "AtlAxWin"); });
    if (found == all.end()) {
        *detail = "no browser host";
        return false;
    }
    // The hosted control has a window of its own inside the host.
    const bool hasControl = GetWindow(found->hwnd, GW_CHILD) != nullptr;
    const std::string seen = textOf(found->hwnd);
    *detail = "address=\"" + seen + (hasControl ? "\" control=1" : "\" control=0");
    return hasControl && seen == url;
}

bool activeTabMeets(HWND form, unsigned tab, std::string* detail) {
    const HWND tabs = nth(form, 1, [](HWND h) { return isClass(h, WC_TABCONTROLA); });
    if (tabs == nullptr) {
        *detail = "no tab control";
        return false;
    }
    bool delivered = false;
    const auto selected = static_cast<long>(sendTo(tabs, TCM_GETCURSEL, 0, 0, &delivered));
    *detail = "active tab " + std::to_string(selected + 1);
    return delivered && selected + 1 == static_cast<long>(tab);
}

bool radioMeets(HWND form, unsigned radio, int checked, std::string* detail) {
    const HWND button = nth(form, radio, isRadio);
    if (button == nullptr) {
        *detail = "no such radio button";
        return false;
    }
    bool delivered = false;
    const bool isChecked = sendTo(button, BM_GETCHECK, 0, 0, &delivered) == BST_CHECKED;
    *detail = isChecked ? "checked=1" : "checked=0";
    return delivered && isChecked == (checked != 0);
}
