// Reading the panel's window from another process: its controls in the
// order the panel created them, and the messages that work across
// processes, each bounded so that a hung panel cannot hang the simulator.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct PanelChild {
    HWND hwnd;
    int id;
    RECT rect;  // screen coordinates
};

// The form's own controls (a combo box's edit and list are not), by id.
std::vector<PanelChild> controlsOf(HWND form);

std::string className(HWND hwnd);
bool isClass(HWND hwnd, const char* name);  // letter case ignored

// The form's control number `index` (from 1) among those that meet pred, or
// nullptr.
template <class Pred>
HWND nthControl(HWND form, unsigned index, Pred pred) {
    if (form == nullptr) return nullptr;
    unsigned seen = 0;
    for (const PanelChild& c : controlsOf(form))
        if (pred(c.hwnd) && ++seen == index) return c.hwnd;
    return nullptr;
}

// The form's first control of this window class, or nullptr.
HWND firstControlOfClass(HWND form, const char* name);

// The top-level window of this class in the panel's process, or nullptr.
HWND panelWindowOfClass(HWND panel, const char* name);

// WM_GETTEXT, which another process's window answers (GetWindowText may not).
std::string windowText(HWND hwnd);

// SendMessageTimeoutA with SMTO_ABORTIFHUNG; *delivered says whether it was
// answered in time.
DWORD_PTR sendTo(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool* delivered);

// Tells the form what its control reports to it (WM_COMMAND with the code);
// false when the form did not answer in time.
bool notifyForm(HWND form, HWND control, WORD code);

// Whether the panel's window is the foreground window; *detail names the
// foreground window and the panel thread's active and focused windows.
bool panelInFront(HWND panel, std::string* detail);
