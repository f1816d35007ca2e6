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

// WM_GETTEXT, which another process's window answers (GetWindowText may not).
std::string windowText(HWND hwnd);

// SendMessageTimeoutA with SMTO_ABORTIFHUNG; *delivered says whether it was
// answered in time.
DWORD_PTR sendTo(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool* delivered);

// Whether the panel's window is the foreground window; *detail names the
// foreground window and the panel thread's active and focused windows.
bool panelInFront(HWND panel, std::string* detail);
