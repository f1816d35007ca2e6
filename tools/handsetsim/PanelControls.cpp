#include "PanelControls.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "LinkProtocol.h"
#include "PanelWindows.h"

namespace {

using Child = PanelChild;

LONG buttonType(HWND hwnd) {
    return GetWindowLongA(hwnd, GWL_STYLE) & BS_TYPEMASK;
}

bool isKind(HWND hwnd, ControlKind kind) {
    const std::string name = className(hwnd);
    switch (kind) {
        case ControlKind::TrackBar:
            return lstrcmpiA(name.c_str(), TRACKBAR_CLASSA) == 0;
        case ControlKind::CheckBox: {
            const LONG type = buttonType(hwnd);
            return lstrcmpiA(name.c_str(), "Button") == 0 &&
                   (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
                    type == BS_AUTO3STATE);
        }
        case ControlKind::Group:
            return lstrcmpiA(name.c_str(), "Button") == 0 && buttonType(hwnd) == BS_GROUPBOX;
        case ControlKind::Combo:
            return lstrcmpiA(name.c_str(), WC_COMBOBOXA) == 0;
    }
    return false;
}

bool inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::vector<Child>::const_iterator findGroup(const std::vector<Child>& controls,
                                             const std::string& text) {
    return std::find_if(controls.begin(), controls.end(), [&text](const Child& c) {
        return isKind(c.hwnd, ControlKind::Group) && windowText(c.hwnd) == text;
    });
}

const char* kindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::TrackBar:
            return "trackbar";
        case ControlKind::CheckBox:
            return "checkbox";
        case ControlKind::Group:
            return "group";
        case ControlKind::Combo:
            return "combo";
    }
    return "control";
}

// CB_GETCURSEL: CB_ERR (-1) when nothing is selected.
long readComboSelection(HWND combo, bool* delivered) {
    return static_cast<long>(static_cast<LRESULT>(sendTo(combo, CB_GETCURSEL, 0, 0, delivered)));
}

// A user can work only an enabled control the window has.
HWND usableControl(HWND form, const ControlRef& ref) {
    const HWND control = findControl(form, ref);
    return control != nullptr && IsWindowEnabled(control) ? control : nullptr;
}

}  // namespace

HWND findControl(HWND form, const ControlRef& ref) {
    if (form == nullptr) return nullptr;
    const std::vector<Child> controls = controlsOf(form);
    auto first = controls.begin();
    auto last = controls.end();
    if (!ref.group.empty()) {
        const auto group = findGroup(controls, ref.group);
        if (group == controls.end()) return nullptr;
        if (ref.kind == ControlKind::Group) return group->hwnd;
        // The panel creates a group's controls right after the group box;
        // the first control outside its frame belongs to something else.
        first = group + 1;
        last = std::find_if(first, controls.end(),
                            [&group](const Child& c) { return !inside(c.rect, group->rect); });
    }
    unsigned seen = 0;
    for (auto c = first; c != last; ++c) {
        if (isKind(c->hwnd, ref.kind) && ++seen == ref.index) return c->hwnd;
    }
    return nullptr;
}

ControlState readControl(HWND form, const ControlRef& ref) {
    ControlState state;
    const HWND control = findControl(form, ref);
    if (control == nullptr) return state;
    bool delivered = true;
    if (ref.kind == ControlKind::TrackBar) {
        state.pos = static_cast<long>(sendTo(control, TBM_GETPOS, 0, 0, &delivered));
    } else if (ref.kind == ControlKind::CheckBox) {
        state.checked = sendTo(control, BM_GETCHECK, 0, 0, &delivered) == BST_CHECKED;
    } else if (ref.kind == ControlKind::Combo) {
        state.sel = readComboSelection(control, &delivered);
    }
    state.found = delivered;
    state.enabled = IsWindowEnabled(control) != FALSE;
    // Its own flag: shown on its page, whether the panel's window is shown or not.
    state.visible = (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0;
    return state;
}

bool meets(const ControlRef& ref, const ControlState& state, const ControlCheck& check,
           std::string* detail) {
    if (!state.found) {
        *detail = std::string("no such ") + kindName(ref.kind);
        return false;
    }
    char text[96];
    if (ref.kind == ControlKind::TrackBar) {
        std::snprintf(text, sizeof text, "pos=%ld enabled=%d visible=%d", state.pos,
                      state.enabled ? 1 : 0, state.visible ? 1 : 0);
    } else if (ref.kind == ControlKind::CheckBox) {
        std::snprintf(text, sizeof text, "checked=%d enabled=%d visible=%d", state.checked ? 1 : 0,
                      state.enabled ? 1 : 0, state.visible ? 1 : 0);
    } else if (ref.kind == ControlKind::Combo) {
        std::snprintf(text, sizeof text, "sel=%ld enabled=%d visible=%d", state.sel,
                      state.enabled ? 1 : 0, state.visible ? 1 : 0);
    } else {
        std::snprintf(text, sizeof text, "enabled=%d visible=%d", state.enabled ? 1 : 0,
                      state.visible ? 1 : 0);
    }
    *detail = text;
    const auto same = [](int wanted, bool actual) { return wanted < 0 || (wanted != 0) == actual; };
    return (check.posMin < 0 || (state.pos >= check.posMin && state.pos <= check.posMax)) &&
           same(check.checked, state.checked) && same(check.enabled, state.enabled) &&
           same(check.visible, state.visible) && (check.sel < -1 || check.sel == state.sel);
}

bool moveTrackBar(HWND form, const ControlRef& ref, long position) {
    const HWND bar = usableControl(form, ref);
    if (bar == nullptr) return false;
    bool delivered = false;
    sendTo(bar, TBM_SETPOS, TRUE, position, &delivered);
    if (!delivered) return false;
    // What a trackbar tells its parent when the user lets the thumb go.
    const LPARAM from = reinterpret_cast<LPARAM>(bar);
    sendTo(form, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position), from, &delivered);
    if (!delivered) return false;
    sendTo(form, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), from, &delivered);
    return delivered;
}

bool clickControl(HWND form, const ControlRef& ref) {
    const HWND button = usableControl(form, ref);
    if (button == nullptr) return false;
    bool delivered = false;
    sendTo(button, BM_CLICK, 0, 0, &delivered);
    return delivered;
}

bool selectComboItem(HWND form, const ControlRef& ref, long item) {
    const HWND combo = usableControl(form, ref);
    if (combo == nullptr) return false;
    bool delivered = false;
    const auto count = static_cast<long>(sendTo(combo, CB_GETCOUNT, 0, 0, &delivered));
    if (!delivered || item < 0 || item >= count) return false;
    sendTo(combo, CB_SETCURSEL, static_cast<WPARAM>(item), 0, &delivered);
    if (!delivered) return false;
    // What a drop-down list tells its parent after the user picked an item.
    // Posted, as the panel's own thread would get it: inside another
    // process's send the panel sends the driver nothing.
    const WPARAM command = MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE);
    return PostMessageA(form, WM_COMMAND, command, reinterpret_cast<LPARAM>(combo)) != FALSE;
}

bool selectTab(HWND form, unsigned index) {
    const HWND tabs = firstControlOfClass(form, WC_TABCONTROLA);
    if (tabs == nullptr) return false;
    bool delivered = false;
    const auto count = sendTo(tabs, TCM_GETITEMCOUNT, 0, 0, &delivered);
    if (!delivered || index < 1 || index > count) return false;
    return PostMessageA(tabs, TCM_SETCURFOCUS, index - 1, 0) != FALSE;
}

std::vector<std::string> describeControls(HWND form) {
    std::vector<std::string> lines;
    for (const Child& c : controlsOf(form)) {
        char line[400];
        std::snprintf(line, sizeof line,
                      "control id=%d class=%s text=\"%s\" rect=%ld,%ld,%ld,%ld "
                      "style=0x%lX enabled=%d visible=%d",
                      c.id, className(c.hwnd).c_str(), windowText(c.hwnd).c_str(), c.rect.left,
                      c.rect.top, c.rect.right, c.rect.bottom,
                      static_cast<unsigned long>(GetWindowLongA(c.hwnd, GWL_STYLE)),
                      IsWindowEnabled(c.hwnd) ? 1 : 0,
                      (GetWindowLongA(c.hwnd, GWL_STYLE) & WS_VISIBLE) ? 1 : 0);
        lines.push_back(line);
    }
    return lines;
}
