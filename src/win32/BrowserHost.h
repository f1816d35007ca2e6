// The WebBrowser control that Windows provides, hosted in a child window of
// ATL's "AtlAxWin" class. atl.dll is loaded at run time: where it or the
// control is missing, the browser pane simply stays empty.
#pragma once

#include <string>

#include "Win32Api.h"

namespace win32 {

// A host window filling frame holding the WebBrowser control, navigated to
// url (a blank page when url is empty); nullptr when no browser can be
// hosted here.
HWND CreateBrowserHost(HWND frame, const std::wstring& url);
// The host inside frame, or nullptr.
HWND BrowserHostIn(HWND frame);
// Sizes the host inside frame to the frame's client area.
void FitBrowserHost(HWND frame);

// Asks the browser in host to navigate to url (a blank page when it is
// empty), the optional arguments left out, and makes url the host's text;
// false when host holds no browser.
bool NavigateBrowserHost(HWND host, const std::wstring& url);

}  // namespace win32
