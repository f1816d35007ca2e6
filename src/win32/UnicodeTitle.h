// A form window's title read back as UTF-16. The forms' window class is an
// ANSI one, so a UTF-16 caller's WM_GETTEXT would pass through the system's
// code page and lose every character it lacks; Wine draws the title bar
// from exactly that. A Unicode procedure in front of the form's answers the
// title queries from the stored UTF-16 title and hands everything else on.
#pragma once

#include "Win32Api.h"

namespace win32 {

void KeepTitleUnicode(HWND form);
// Undoes KeepTitleUnicode while the window stays.
void ReleaseTitle(HWND form);

}  // namespace win32
