// The panel's shortcut page and browser tab seen from outside: edits typed
// into, links and radio buttons clicked, and link, tab and browser read back.
#pragma once

#include <windows.h>

#include <string>

// Edit N (from 1, in creation order) takes text as typed: WM_SETTEXT, then
// the EN_CHANGE the edit reports; false when it is missing or disabled.
bool setEditText(HWND form, unsigned edit, const std::string& text);
// Edit N takes text as a paste does: its whole text selected, then
// EM_REPLACESEL, which the edit's own length limit applies to and which
// the edit reports to the panel (EN_CHANGE) itself; false when it is
// missing or disabled.
bool pasteEditText(HWND form, unsigned edit, const std::string& text);
// A click on link N (from 1: the static controls that notify, in creation
// order); false when it is missing or disabled.
bool clickLink(HWND form, unsigned link);
// BM_CLICK on radio button N (from 1); false when it is missing or disabled.
bool clickRadio(HWND form, unsigned radio);

// Whether link N shows text and, unless enabled is negative, is enabled or
// not; *detail says what was seen.
bool linkMeets(HWND form, unsigned link, const std::string& text, int enabled, std::string* detail);
// Whether tab N (from 1) of the panel's tab control is captioned text.
bool tabMeets(HWND form, unsigned tab, const std::string& text, std::string* detail);
// Whether the panel hosts a browser control (an "AtlAxWin" window anywhere
// inside the panel's window, holding a window of its own) that was asked
// for the address url.
bool browserMeets(HWND form, const std::string& url, std::string* detail);

// Whether tab N (from 1) is the tab control's selected one.
bool activeTabMeets(HWND form, unsigned tab, std::string* detail);
// Whether radio button N (from 1) is checked (checked 1) or not (0).
bool radioMeets(HWND form, unsigned radio, int checked, std::string* detail);
