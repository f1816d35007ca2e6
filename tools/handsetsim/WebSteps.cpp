#include "WebSteps.h"

#include <commctrl.h>

#include "LinkProtocol.h"
#include "PanelWindows.h"

namespace {

bool isLink(HWND hwnd) {
    return isClass(hwnd, "Static") && (GetWindowLongA(hwnd, GWL_STYLE) & SS_NOTIFY) != 0;
}

bool isEdit(HWND hwnd) {
    return isClass(hwnd, "Edit");
}

bool isRadio(HWND hwnd) {
    const LONG type = GetWindowLongA(hwnd, GWL_STYLE) & BS_TYPEMASK;
    return isClass(hwnd, "Button") && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

BOOL CALLBACK findBrowserHost(HWND hwnd, LPARAM found) {
    if (!isClass(hwnd, "AtlAxWin")) return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
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

}  // namespace

bool setEditText(HWND form, unsigned edit, const std::string& text) {
    const HWND box = nthControl(form, edit, isEdit);
    if (box == nullptr || !IsWindowEnabled(box)) return false;
    bool delivered = false;
    sendTo(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &delivered);
    return delivered && notifyForm(form, box, EN_CHANGE);
}

bool pasteEditText(HWND form, unsigned edit, const std::string& text) {
    const HWND box = nthControl(form, edit, isEdit);
    if (box == nullptr || !IsWindowEnabled(box)) return false;
    bool selected = false;
    bool pasted = false;
    sendTo(box, EM_SETSEL, 0, -1, &selected);
    sendTo(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()), &pasted);
    return selected && pasted;
}

bool clickLink(HWND form, unsigned link) {
    const HWND label = nthControl(form, link, isLink);
    return label != nullptr && IsWindowEnabled(label) && notifyForm(form, label, STN_CLICKED);
}

bool clickRadio(HWND form, unsigned radio) {
    const HWND button = nthControl(form, radio, isRadio);
    if (button == nullptr || !IsWindowEnabled(button)) return false;
    bool delivered = false;
    sendTo(button, BM_CLICK, 0, 0, &delivered);
    return delivered;
}

bool linkMeets(HWND form, unsigned link, const std::string& text, int enabled,
               std::string* detail) {
    const HWND label = nthControl(form, link, isLink);
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
    const HWND tabs = firstControlOfClass(form, WC_TABCONTROLA);
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
    HWND host = nullptr;
    if (form) EnumChildWindows(form, findBrowserHost, reinterpret_cast<LPARAM>(&host));
    if (host == nullptr) {
        *detail = "no browser host";
        return false;
    }
    // The hosted control has a window of its own inside the host.
    const bool hasControl = GetWindow(host, GW_CHILD) != nullptr;
    const std::string seen = textOf(host);
    *detail = "address=\"" + seen + (hasControl ? "\" control=1" : "\" control=0");
    return hasControl && seen == url;
}

bool activeTabMeets(HWND form, unsigned tab, std::string* detail) {
    const HWND tabs = firstControlOfClass(form, WC_TABCONTROLA);
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
    const HWND button = nthControl(form, radio, isRadio);
    if (button == nullptr) {
        *detail = "no such radio button";
        return false;
    }
    bool delivered = false;
    const bool isChecked = sendTo(button, BM_GETCHECK, 0, 0, &delivered) == BST_CHECKED;
    *detail = isChecked ? "checked=1" : "checked=0";
    return delivered && isChecked == (checked != 0);
}
