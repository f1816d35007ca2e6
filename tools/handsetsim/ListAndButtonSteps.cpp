#include "ListAndButtonSteps.h"

#include <algorithm>
#include <cstdio>

#include "LinkProtocol.h"
#include "PanelWindows.h"

namespace {

using Child = PanelChild;

// An item's text; Wine answers another process's LB_GETTEXTA in UTF-16,
// so the wide form is read and turned into UTF-8.
std::string itemText(HWND list, int item) {
    bool delivered = false;
    const LRESULT length = sendTo(list, LB_GETTEXTLEN, item, 0, &delivered);
    if (!delivered || length <= 0) return "";
    std::vector<wchar_t> wide(static_cast<std::size_t>(length) + 1);
    sendTo(list, LB_GETTEXT, item, reinterpret_cast<LPARAM>(wide.data()), &delivered);
    char out[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), -1, out, sizeof out, nullptr, nullptr);
    return out;
}

}  // namespace

HWND findButton(HWND form, const std::string& text) {
    if (form == nullptr) return nullptr;
    for (const Child& c : controlsOf(form)) {
        const LONG type = GetWindowLongA(c.hwnd, GWL_STYLE) & BS_TYPEMASK;
        if (isClass(c.hwnd, "Button") && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) &&
            windowText(c.hwnd) == text)
            return c.hwnd;
    }
    return nullptr;
}

bool clickButton(HWND form, const std::string& text) {
    const HWND button = findButton(form, text);
    if (button == nullptr || !IsWindowEnabled(button)) return false;
    bool delivered = false;
    sendTo(button, BM_CLICK, 0, 0, &delivered);
    return delivered;
}

bool buttonMeets(HWND form, const std::string& text, int enabled, std::string* detail) {
    const HWND button = findButton(form, text);
    if (button == nullptr) {
        *detail = "no such button";
        return false;
    }
    const bool isEnabled = IsWindowEnabled(button) != FALSE;
    *detail = isEnabled ? "enabled=1" : "enabled=0";
    return enabled < 0 || (enabled != 0) == isEnabled;
}

HWND findList(HWND form, unsigned index) {
    return nthControl(form, index, [](HWND h) { return isClass(h, "ListBox"); });
}

bool selectListItem(HWND form, unsigned list, unsigned item) {
    const HWND box = findList(form, list);
    if (box == nullptr || !IsWindowEnabled(box)) return false;
    bool delivered = false;
    const LRESULT count = sendTo(box, LB_GETCOUNT, 0, 0, &delivered);
    if (!delivered || item >= static_cast<unsigned>(count)) return false;
    sendTo(box, LB_SETCURSEL, item, 0, &delivered);
    return delivered && notifyForm(form, box, LBN_SELCHANGE);
}

bool doubleClickList(HWND form, unsigned list) {
    const HWND box = findList(form, list);
    return box != nullptr && IsWindowEnabled(box) && notifyForm(form, box, LBN_DBLCLK);
}

bool listMeets(HWND form, unsigned list, const std::string& items, int selected,
               std::string* detail) {
    const HWND box = findList(form, list);
    if (box == nullptr) {
        *detail = "no such list";
        return false;
    }
    bool delivered = false;
    const int count = static_cast<int>(sendTo(box, LB_GETCOUNT, 0, 0, &delivered));
    const int current = static_cast<int>(sendTo(box, LB_GETCURSEL, 0, 0, &delivered));
    std::string seen;
    for (int i = 0; i < count; ++i) seen += (i ? "|" : "") + itemText(box, i);
    char text[64];
    std::snprintf(text, sizeof text, "\" selected=%d", current < 0 ? -1 : current);
    *detail = "items=\"" + seen + text;
    return seen == items && (selected < -1 || selected == (current < 0 ? -1 : current));
}
