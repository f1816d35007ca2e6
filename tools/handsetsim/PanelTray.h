// The panel's tray icon and tray menu seen from outside, as a test reads
// them and as a user works them: the shell's mouse messages posted to the
// icon's utility window, the menu window Windows shows, the icon's picture
// in Wine's notification area.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The tray icon's hidden utility window of the panel's process, or nullptr.
HWND findTrayWindow(HWND panel);

// Posts the shell's callback (WM_USER + 1, the mouse message in lParam) for
// a "left", "right", "middle" or "double" (left double-click, as the shell
// reports it: down, up, double-click, up) click; false for an unknown kind
// or when there is no utility window.
bool clickTray(HWND panel, const std::string& kind);

// The popup menu window shown now (class "#32768", visible), or nullptr.
HWND openMenu();

// Posts a key to the open menu: "down", "up", "return" or "escape".
bool menuKey(const std::string& key);

// The icons in Wine's notification area: one window per icon, in the
// standalone tray or the taskbar's.
std::vector<HWND> trayIconWindows();

// The colour of an icon in the notification area, read from the screen in
// the icon's disc left of its letter: "grey", "green", "white" or "other"
// with the RGB values in *detail. Empty when no icon is shown.
std::string trayIconColour(std::string* detail);

// One line per top-level window (and its children): class, title, process,
// visible; for writing tests.
std::vector<std::string> describeWindows();
