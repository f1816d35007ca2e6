// The panel's keyboard-blocked indicator seen from outside, and the device
// notice Windows sends the panel when devices come or go.
#pragma once

#include <windows.h>

#include <string>

// The indicator window (class "TForm2") of the panel's process, or nullptr.
HWND findIndicator(HWND panel);

// True when the indicator is shown as it should be: visible, topmost, its
// client area 100 x 32, in the bottom right corner of the work area. *detail
// says what was read.
bool indicatorShown(HWND panel, std::string* detail);

// True when the indicator exists and is not visible.
bool indicatorHidden(HWND panel, std::string* detail);

// Posts WM_DEVICECHANGE (DBT_DEVNODES_CHANGED) to the panel's window, as
// Windows does when a device is plugged in or out.
bool postDeviceChange(HWND panel);

// Sends WM_SETTINGCHANGE to the panel's window, as Windows broadcasts a
// change of the system's settings (a send: the panel is inside it until it
// answers); false when the send failed.
bool sendSettingChange(HWND panel);
